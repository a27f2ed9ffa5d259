#include "res/texture_generators.h"

#include <cmath>
#include <cstdlib>
#include <utility>

void plasma(int time, int width, int height, unsigned char* pixels, void* param) {
    const unsigned char* base = static_cast<const unsigned char*>(param);
    const double t = static_cast<double>(time);
    const double fx = 6.28 / width;
    const double fy = 6.28 / height;
    // The waves along x are summed once per column; adding the row's three
    // waves to that sum, one by one, gives the same rounding as adding all six.
    std::vector<double> across(static_cast<size_t>(width));
    for (int x = 0; x < width; ++x)
        across[static_cast<size_t>(x)] =
            std::sin(-0.00012 * t + x * fx) + std::sin(-0.00024 * t + 2 * fx * x) + std::sin(-0.0048 * t + 4 * fx * x);
    for (int y = 0; y < height; ++y) {
        const double down1 = std::sin(-0.00012 * t + y * fy);
        const double down2 = std::sin(-0.00024 * t + 2 * fy * y);
        const double down3 = std::sin(-0.0048 * t + 4 * fy * y);
        for (int x = 0; x < width; ++x) {
            const double s = across[static_cast<size_t>(x)] + down1 + down2 + down3;
            // 128 + 21*s lies within 2..254, so the truncation is a byte already.
            const unsigned char v = static_cast<unsigned char>(static_cast<int>(128.0 + 21.0 * s) & 0xFF);
            const unsigned char d = static_cast<unsigned char>(v - 120);
            unsigned char* px = pixels + (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 4;
            px[0] = static_cast<unsigned char>(d + base[0]);
            px[1] = static_cast<unsigned char>(d + base[1]);
            px[2] = static_cast<unsigned char>(d + base[2]);
            // Read as a signed byte, v above 127 is negative: only 121..126 show.
            const signed char signed_v = static_cast<signed char>(v);
            px[3] = (signed_v >= 121 && signed_v <= 126) ? 255 : 0;
            if (x % 16 == 0 || y % 16 == 0 || x == width - 1 || y == height - 1) {
                px[1] = 127;
                px[3] = 255;
            }
        }
    }
}

void delete_plasma_param(void* param) { delete[] static_cast<unsigned char*>(param); }

fire_param::fire_param(int32_t width_, int32_t height) : palette(), width(width_), rows(height + 3) {
    const size_t cells = static_cast<size_t>(width) * static_cast<size_t>(rows);
    heat[0].assign(cells, 0);
    heat[1].assign(cells, 0);
    ShadePalette(0, 64, 0, 0, 0, 100, 255, 51, 36, 255);
    ShadePalette(64, 96, 255, 51, 36, 255, 255, 189, 51, 255);
    ShadePalette(96, 128, 255, 189, 51, 255, 255, 237, 51, 255);
    ShadePalette(128, 196, 255, 237, 51, 255, 100, 100, 189, 255);
    ShadePalette(196, 255, 100, 100, 189, 255, 255, 231, 51, 255);
    // The shading stops short of the last entry: it takes the end colour.
    const unsigned char hottest[4] = {255, 231, 51, 255};
    for (int c = 0; c < 4; ++c) palette[255][c] = hottest[c];
}

void fire_param::ShadePalette(unsigned char from, unsigned char to, unsigned char r0, unsigned char g0,
                              unsigned char b0, unsigned char a0, unsigned char r1, unsigned char g1,
                              unsigned char b1, unsigned char a1) {
    const int start[4] = {r0, g0, b0, a0};
    const int end[4] = {r1, g1, b1, a1};
    const double span = static_cast<double>(to - from);
    for (int i = from; i < to; ++i)
        for (int c = 0; c < 4; ++c)
            palette[i][c] = static_cast<unsigned char>((end[c] - start[c]) * (i - from) / span + start[c]);
}

void fire(int, int width, int height, unsigned char* pixels, void* param) {
    fire_param& fp = *static_cast<fire_param*>(param);
    if (width < 1 || height < 2 || fp.width != width || fp.rows != height + 3) return;
    const size_t w = static_cast<size_t>(width);
    unsigned char* now = fp.heat[0].data();
    unsigned char* next = fp.heat[1].data();

    // Fuel in the hidden rows below the picture...
    const int seeds = std::rand() & (width - 1);
    for (int k = 0; k < seeds; ++k) {
        const int column = std::rand() % width;
        const int row = height + std::rand() % 3;
        now[static_cast<size_t>(row) * w + static_cast<size_t>(column)] = static_cast<unsigned char>(std::rand() & 0xFF);
    }
    // ...and one spark in the lower half of the picture.
    {
        const int column = std::rand() % width;
        const int row = height / 2 + std::rand() % (height / 2);
        now[static_cast<size_t>(row) * w + static_cast<size_t>(column)] = static_cast<unsigned char>(std::rand() & 0xFF);
    }

    // Every visible cell takes the cooled average of its neighbours to the
    // sides and in the two rows below; the edge columns stay cold.
    for (int r = 0; r < height; ++r) {
        unsigned char* out = next + static_cast<size_t>(r) * w;
        const unsigned char* row0 = now + static_cast<size_t>(r) * w;
        const unsigned char* row1 = row0 + w;
        const unsigned char* row2 = row1 + w;
        out[0] = 0;
        out[w - 1] = 0;
        for (size_t c = 1; c + 1 < w; ++c) {
            int sum = row0[c - 1] + row0[c + 1] + row1[c - 1] + row1[c] + row1[c + 1] + row2[c - 1] + row2[c] +
                      row2[c + 1];
            sum >>= 3;
            if (sum != 0) sum -= 1;
            out[c] = static_cast<unsigned char>(sum);
        }
    }

    const size_t visible = w * static_cast<size_t>(height);
    for (size_t i = 0; i < visible; ++i)
        for (int c = 0; c < 4; ++c) pixels[i * 4 + static_cast<size_t>(c)] = fp.palette[next[i]][c];

    std::swap(fp.heat[0], fp.heat[1]);
}

void delete_fire_param(void* param) { delete static_cast<fire_param*>(param); }
