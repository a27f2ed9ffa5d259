// Archive bytes of any shape: the reader must keep within them.
#include <cstddef>
#include <cstdint>

#include "res/pack.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Pack pack;
    pack.parse(data, size);
    size_t total = 0;
    for (size_t i = 0; i < pack.names.size(); ++i) {
        const raw r = pack.getfile(pack.names[i].c_str());
        if (r.size > 0) total += r.data[0] + r.data[r.size - 1];
    }
    return total == static_cast<size_t>(-1) ? 1 : 0;
}
