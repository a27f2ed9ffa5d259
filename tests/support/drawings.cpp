#include "support/drawings.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <vector>

#include "res/png_encode.h"

void write_discs_drawing(const std::string& path, int shift) {
    const int w = 480, h = 360;
    std::vector<unsigned char> rgb(static_cast<size_t>(w) * h * 3);
    const unsigned char disc[3][3] = {{220, 40, 40}, {250, 210, 30}, {40, 90, 220}};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const unsigned char ground[3] = {200, 235, 200};
            const unsigned char* c = ground;
            for (int d = 0; d < 3; ++d)
                if (std::hypot(x - (w / 6.0 + d * w / 3.0), y - h / 2.0 - (shift % 5) * 12.0) < h / 5.0)
                    c = disc[(d + shift) % 3];
            std::copy(c, c + 3, &rgb[(static_cast<size_t>(y) * w + x) * 3]);
        }
    const std::vector<unsigned char> png = encode_png(rgb.data(), w, h, 3);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
}
