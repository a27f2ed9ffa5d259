// Procedural texture names of any shape, as an object file may carry them.
// The reader must stay inside the name, and whatever it accepts must be a
// texture the generators can draw: small accepted ones are drawn here.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "res/texture_generators.h"
#include "res/texturebase.h"

namespace {

bool power_of_two(int32_t v) { return v > 0 && (v & (v - 1)) == 0; }

void check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact-size copy with its terminator, so a read past it is caught.
    std::vector<char> name(data, data + size);
    name.push_back('\0');
    const int32_t first_byte = size > 0 ? data[0] : 0;
    for (int32_t limit : {int32_t{64}, int32_t{16384}, first_byte}) {
        TextureRecipe r;
        if (!parse_texture_name(name.data(), limit, &r)) continue;
        check(name[1] == '#');
        check(power_of_two(r.width) && power_of_two(r.height));
        check(r.width <= limit && r.height <= limit);
        check(r.kind == TextureRecipe::plasma || r.height >= 2);
        if (r.width > 64 || r.height > 64) continue;

        std::vector<unsigned char> pixels(static_cast<size_t>(r.width * r.height * 4));
        if (r.kind == TextureRecipe::plasma) {
            plasma(static_cast<int>(size * 7919), r.width, r.height, pixels.data(), r.base);
        } else {
            std::srand(static_cast<unsigned>(size));
            fire_param fp(r.width, r.height);
            for (int step = 0; step < 3; ++step) fire(0, r.width, r.height, pixels.data(), &fp);
            for (int32_t c = 0; c < r.height; ++c)
                check(fp.heat[0][static_cast<size_t>(c * r.width)] == 0);  // the left edge stays cold
        }
    }
    return 0;
}
