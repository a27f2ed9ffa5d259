// Picture 16: a garden with a fence, flower beds and a stepping-stone path.
#include "motifs.h"

namespace {

enum {
    kFence = 1,    // slate blue
    kSky = 2,      // light blue
    kYellow = 3,   // the sun, flower hearts
    kPink = 4,     // tulips
    kLeaf = 5,     // green leaves
    kStone = 6,    // peach stepping stones
    kLawn = 7,     // green lawn and bushes
    kSoil = 8,     // dark brown beds
    kBlossom = 9,  // periwinkle flowers
    kCloud = 10,
};

void flower(Scene& s, int colour, double x, double y, int leaves) {
    s.stroke(kLawn, {{x, y - 14}, {x, y}}, 1.6);
    for (int k = 0; k < leaves; ++k) {
        const double d = k == 0 ? 1 : -1;
        s.new_group();
        s.fill(kLeaf, Path().M(x, y - 12).C(x + 4 * d, y - 11, x + 8 * d, y - 8, x + 9 * d, y - 3).C(x + 4 * d, y - 3, x + 1 * d, y - 6, x, y - 12).ring());
        s.no_group();
    }
    s.star(colour, x, y, 4.6, 3.4, 5);
}

}  // namespace

void picture16(Scene& s, bool detailed) {
    s.background(kSky);
    s.cut(kSky, CutStyle::bands(3.5, 0.8, 32));
    s.circle(kYellow, 86, 84, 7);
    cloud(s, kCloud, 20, 84, 9, false);
    // Fence across the back.
    if (detailed) {
        for (int k = 0; k < 10; ++k) {
            s.new_group();
            s.poly(kFence, {k * 10.2 + 0.5, 40, k * 10.2 + 8, 40, k * 10.2 + 8, 60, k * 10.2 + 4.25, 64, k * 10.2 + 0.5, 60});
        }
        s.no_group();
    } else {
        s.rect(kFence, -1, 45, 101, 51);
        for (int k = 0; k < 10; ++k) s.poly(kFence, {k * 10.2 + 0.5, 40, k * 10.2 + 6, 40, k * 10.2 + 6, 60, k * 10.2 + 3.25, 64, k * 10.2 + 0.5, 60});
    }
    // Lawn, beds, bushes.
    ground(s, kLawn, {42, 44, 40, 44, 42});
    s.ellipse(kLeaf, 8, 37, 10, 7);
    s.ellipse(kLeaf, 92, 37, 10, 7);
    s.rrect(kSoil, 2, 12, 38, 30, 4);
    s.rrect(kSoil, 60, 12, 100, 30, 4);
    // The stepping-stone path down the middle.
    // A cobbled path, narrowing as it goes back: rows of stones that touch.
    const int rows = detailed ? 7 : 4;
    const int per_row[7] = {4, 4, 4, 4, 4, 3, 3};
    for (int row = 0; row < rows; ++row) {
        const double y0 = -1 + row * 38.0 / rows, y1 = -1 + (row + 1) * 38.0 / rows;
        const double half0 = 12 - (y0 + 1) * 0.15, half1 = 12 - (y1 + 1) * 0.15;
        const int n = detailed ? per_row[row] : 1;
        for (int k = 0; k < n; ++k) {
            const double a0 = 50 - half0 + 2 * half0 * k / n, b0 = 50 - half0 + 2 * half0 * (k + 1) / n;
            const double a1 = 50 - half1 + 2 * half1 * k / n, b1 = 50 - half1 + 2 * half1 * (k + 1) / n;
            s.new_group();
            s.fill(kStone, Ring{{a0, y0}, {b0, y0}, {b1, y1}, {a1, y1}});
        }
    }
    s.no_group();
    // Flowers in the beds.
    const int colours[9] = {kPink, kBlossom, kYellow, kPink, kBlossom, kYellow, kPink, kBlossom, kYellow};
    const double xs[9] = {8, 18, 28, 36, 64, 72, 80, 88, 96};
    const int leaves[9] = {2, 1, 2, 0, 2, 1, 2, 0, 2};
    for (int k = 0; k < 9; ++k) flower(s, colours[k], xs[k], k % 2 ? 34 : 31, detailed ? leaves[k] : 0);
    if (detailed) {  // small blossoms on the bushes and in the grass
        const double blossoms[7][3] = {{6, 39, kBlossom}, {94, 39, kBlossom}, {12, 6, kBlossom}, {88, 6, kBlossom},
                                       {26, 41, kBlossom}, {32, 5, kYellow}, {68, 5, kYellow}};
        for (const auto& b : blossoms) s.star(static_cast<int>(b[2]), b[0], b[1], 3.8, 2.8, 5);
    }
}
