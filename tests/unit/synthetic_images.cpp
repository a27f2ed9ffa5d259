#include "synthetic_images.h"

#include <algorithm>
#include <cmath>

#include "common/rng.h"

namespace {

RgbImage blank(int w, int h) {
    RgbImage img;
    img.w = w;
    img.h = h;
    img.rgb.resize(static_cast<size_t>(w) * h * 3);
    return img;
}

void put(RgbImage& img, int x, int y, const double c[3]) {
    uint8_t* p = img.rgb.data() + (static_cast<size_t>(y) * img.w + x) * 3;
    for (int k = 0; k < 3; ++k) p[k] = static_cast<uint8_t>(std::lround(std::clamp(c[k], 0.0, 255.0)));
}

}  // namespace

RgbImage three_discs(int w, int h) {
    RgbImage img = blank(w, h);
    const double ground[3] = {214, 236, 200}, discs[3][3] = {{220, 40, 40}, {250, 210, 40}, {40, 80, 220}};
    const double r = h / 5.0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double c[3] = {ground[0], ground[1], ground[2]};
            for (int d = 0; d < 3; ++d) {
                const double dx = x + 0.5 - w * (d + 1) / 4.0, dy = y + 0.5 - h / 2.0;
                const double cover = std::clamp(r - std::sqrt(dx * dx + dy * dy) + 0.5, 0.0, 1.0);
                for (int k = 0; k < 3; ++k) c[k] += (discs[d][k] - c[k]) * cover;
            }
            put(img, x, y, c);
        }
    return img;
}

RgbImage gradient(int w, int h) {
    RgbImage img = blank(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double t = (x + 0.5) / w;
            const double c[3] = {230 * (1 - t) + 30 * t, 40, 40 * (1 - t) + 230 * t};
            put(img, x, y, c);
        }
    return img;
}

RgbImage checkerboard(int w, int h, int across, int down) {
    RgbImage img = blank(w, h);
    const double dark[3] = {30, 110, 60}, light[3] = {250, 240, 170};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) put(img, x, y, ((x * across / w) + (y * down / h)) % 2 ? light : dark);
    return img;
}

RgbImage noise(int w, int h, uint64_t seed) {
    RgbImage img = blank(w, h);
    Rng rng(seed);
    for (uint8_t& b : img.rgb) b = static_cast<uint8_t>(rng.below(256));
    return img;
}

RgbImage flat(int w, int h, uint32_t rgb) {
    RgbImage img = blank(w, h);
    const double c[3] = {static_cast<double>(rgb >> 16 & 0xFF), static_cast<double>(rgb >> 8 & 0xFF),
                         static_cast<double>(rgb & 0xFF)};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) put(img, x, y, c);
    return img;
}
