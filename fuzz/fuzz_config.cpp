// Settings files of any shape. The reader must stay within the file, never
// allocate for counts the file cannot hold, and always leave an object the
// game can use: every per-picture table as long as `pages`, and a current
// picture that is listed or none. What it then writes must read back whole
// and write again to the same bytes.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "save/config.h"
#include "save/settings_file.h"

namespace {

// One scratch file per fuzzing process, in memory where possible.
const std::string& scratch_path() {
    static const std::string path = [] {
        const char* folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        return std::string(folder) + "/pintabo-fuzz-config-" + std::to_string(getpid());
    }();
    return path;
}

Config read_back(const uint8_t* data, size_t size) {
    {
        std::ofstream out(scratch_path(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    std::ifstream in(scratch_path(), std::ios::binary);
    unlink(scratch_path().c_str());  // the open stream still reads it
    return Config(in);
}

void check_usable(const Config& c) {
    const size_t n = c.pages.size();
    if (c.pieces.size() != n || c.hpieces.size() != n || c.pieces_qor.size() != n || c.hpieces_qor.size() != n ||
        c.const_colors_qor.size() != n || c.custom_colors_qor.size() != n)
        std::abort();
    if (c.page_index < -1 || c.page_index >= static_cast<int64_t>(n)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Config c = read_back(data, size);
    check_usable(c);
    const std::string written = settings_bytes(c);
    const Config again = read_back(reinterpret_cast<const uint8_t*>(written.data()), written.size());
    check_usable(again);
    if (again.damaged || settings_bytes(again) != written) std::abort();
    return 0;
}
