// Object files of any shape, read the way the game reads artwork: through the
// media cache from an archive on disk.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "res/media.h"
#include "res/pack.h"
#include "scene/model.h"
#include "scene/object.h"

namespace {

// A name no record is likely to carry, so texture lookups miss and no image
// decoder gets the object bytes.
const std::string entry_name = "object-file-under-test-" + std::string(90, 'q');

std::string folder() {
    static const std::string f = [] {
        char pattern[] = "/tmp/pintabo-fuzz-XXXXXX";
        const char* made = mkdtemp(pattern);
        return std::string(made ? made : "/tmp") + "/";
    }();
    return f;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    {
        Pack pack;
        raw r;
        r.data = const_cast<unsigned char*>(data);
        r.size = static_cast<uint32_t>(size);
        pack.pushfile(entry_name.c_str(), r);
        pack.save((folder() + "fuzz.pak").c_str());
    }
    media.setpwd(folder());
    Object o;
    o.add("fuzz.pak", entry_name.c_str());
    long sum = 0;
    for (const Model* m : o.models) {
        const unsigned char* end = m->texcoords + 24 * static_cast<size_t>(m->triangle_count);
        if (m->triangle_count > 0) sum += m->vertices[0] + end[-1];
        sum += m->material[0] + m->material[59];
    }
    return sum == -1 ? 1 : 0;
}
