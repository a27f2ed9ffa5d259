// Lists of children of any shape (profiles.txt is a file a person may edit).
// The reader must always give a list the picker can show: the first child,
// at most eight, each number once, animals and colours in range, names short
// and free of control characters; what it then writes reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "save/profiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Profiles p = parse_profiles(std::string(reinterpret_cast<const char*>(data), size));
    if (p.list.empty() || p.list.size() > static_cast<size_t>(most_profiles) || !p.find(1) || !p.find(p.last))
        std::abort();
    std::set<int> numbers;
    for (const Profile& q : p.list) {
        if (!numbers.insert(q.number).second || q.number < 1 || q.number > most_profiles) std::abort();
        if (q.animal < 0 || q.animal >= profile_looks || q.colour < 0 || q.colour >= profile_looks) std::abort();
        if (q.name.size() > 24 * 4) std::abort();
        for (char c : q.name)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) std::abort();
    }
    const std::string written = profiles_text(p);
    if (profiles_text(parse_profiles(written)) != written) std::abort();
    return 0;
}
