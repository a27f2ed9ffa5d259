// The plasma and fire generators on plain memory, checked against their
// rules worked out here cell by cell.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "res/texture_generators.h"

namespace {

using Bytes = std::vector<unsigned char>;

// The plasma's wave value at (x, y), all six waves added in one go.
int plasma_v(int time, int x, int y, int width, int height) {
    const double t = time, fx = 6.28 / width, fy = 6.28 / height;
    const double s = std::sin(-0.00012 * t + x * fx) + std::sin(-0.00024 * t + 2 * fx * x) +
                     std::sin(-0.0048 * t + 4 * fx * x) + std::sin(-0.00012 * t + y * fy) +
                     std::sin(-0.00024 * t + 2 * fy * y) + std::sin(-0.0048 * t + 4 * fy * y);
    return static_cast<int>(128.0 + 21.0 * s) & 0xFF;
}

}  // namespace

TEST(Plasma, BaseColourShiftedByTheWaveOverAGreenGrid) {
    const int w = 48, h = 40;  // the last row and column fall between grid lines
    unsigned char base[3] = {250, 7, 128};
    for (int time : {0, 5000, 123456}) {
        Bytes px(static_cast<size_t>(w * h * 4), 0xAA);
        plasma(time, w, h, px.data(), base);
        int seen126 = 0, seen127 = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int v = plasma_v(time, x, y, w, h);
                const unsigned char* p = px.data() + (y * w + x) * 4;
                const bool grid = x % 16 == 0 || y % 16 == 0 || x == w - 1 || y == h - 1;
                const Bytes want = {static_cast<unsigned char>(v - 120 + 250),
                                    static_cast<unsigned char>(grid ? 127 : v - 120 + 7),
                                    static_cast<unsigned char>(v - 120 + 128),
                                    static_cast<unsigned char>(grid || (v >= 121 && v <= 126) ? 255 : 0)};
                ASSERT_EQ(Bytes(p, p + 4), want) << "time " << time << " at " << x << "," << y << " v " << v;
                seen126 += !grid && v == 126;
                seen127 += !grid && v == 127;
            }
        if (time == 0) {  // both sides of the upper edge of the opaque band were met
            EXPECT_GT(seen126, 0);
            EXPECT_GT(seen127, 0);
        }
    }
}

TEST(FirePalette, ShadesFromSmokeToYellowRoundingDown) {
    const fire_param fp(4, 2);
    const std::vector<std::vector<int>> entries = {
        {0, 0, 0, 0, 100},       {32, 127, 25, 18, 177},   {64, 255, 51, 36, 255},   {128, 255, 237, 51, 255},
        {129, 252, 234, 53, 255},  // falling channels round down too
        {196, 100, 100, 189, 255}, {254, 252, 228, 53, 255}, {255, 255, 231, 51, 255}};
    for (const std::vector<int>& e : entries) {
        const unsigned char* c = fp.palette[e[0]];
        EXPECT_EQ((std::vector<int>{e[0], c[0], c[1], c[2], c[3]}), e);
    }
}

TEST(Fire, OneStepOnFreshBuffersSpreadsOnlyUpwardsFromTheSparks) {
    const int w = 32, h = 16, rows = h + 3;
    for (unsigned seed : {1u, 2u, 3u, 4u, 20240611u}) {
        SCOPED_TRACE(seed);
        // The cells the step feeds, replayed from the same seed: hidden-row
        // fuel, then one spark in the lower half of the picture.
        Bytes fed(static_cast<size_t>(w * rows), 0);
        std::srand(seed);
        const int fuel = std::rand() & (w - 1);
        for (int k = 0; k <= fuel; ++k) {
            const int column = std::rand() % w;
            const int row = k < fuel ? h + std::rand() % 3 : h / 2 + std::rand() % (h / 2);
            fed[static_cast<size_t>(row * w + column)] = static_cast<unsigned char>(std::rand() & 0xFF);
        }
        auto cell = [&](int r, int c) { return static_cast<int>(fed[static_cast<size_t>(r * w + c)]); };

        fire_param fp(w, h);
        Bytes px(static_cast<size_t>(w * h * 4), 0xAA);
        std::srand(seed);
        fire(0, w, h, px.data(), &fp);

        EXPECT_EQ(fp.heat[1], fed);  // the fed buffer was swapped out of first place
        int warm = 0;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < w; ++c) {
                const int got = fp.heat[0][static_cast<size_t>(r * w + c)];
                int want = 0;
                if (r < h && c > 0 && c < w - 1) {
                    want = (cell(r, c - 1) + cell(r, c + 1) + cell(r + 1, c - 1) + cell(r + 1, c) +
                            cell(r + 1, c + 1) + cell(r + 2, c - 1) + cell(r + 2, c) + cell(r + 2, c + 1)) >> 3;
                    if (want > 0) want -= 1;
                }
                ASSERT_EQ(got, want) << "row " << r << " column " << c;
                if (r < h / 2 - 2 || c == 0 || c == w - 1 || r >= h) {
                    ASSERT_EQ(got, 0) << "row " << r << " column " << c;
                }
                if (r >= h) continue;
                warm += got != 0;
                const unsigned char* p = px.data() + (r * w + c) * 4;
                ASSERT_EQ(Bytes(p, p + 4), Bytes(fp.palette[got], fp.palette[got] + 4)) << "row " << r << " column " << c;
            }
        EXPECT_GT(warm, 0);
    }
}

TEST(Fire, OneAndTwoColumnFiresStayColdAndInBounds) {
    for (int w : {1, 2}) {
        fire_param fp(w, 2);
        Bytes px(static_cast<size_t>(w * 2 * 4), 0xAA);
        std::srand(5);
        for (int step = 0; step < 20; ++step) fire(0, w, 2, px.data(), &fp);
        EXPECT_EQ(Bytes(fp.heat[0].begin(), fp.heat[0].begin() + w * 2), Bytes(static_cast<size_t>(w * 2), 0));
    }
    fire_param other(8, 8);  // state made for another size is left alone
    Bytes px(16 * 8 * 4, 0xAA);
    fire(0, 16, 8, px.data(), &other);
    EXPECT_EQ(px, Bytes(px.size(), 0xAA));
}
