// Picture 10: a hedgehog in the meadow among daisies, stones and flowers.
#include <cmath>

#include "motifs.h"

namespace {

enum {
    kGreen = 1,    // far hills
    kGrass = 2,    // yellow-green meadow
    kStone = 3,    // grey
    kSky = 4,      // blue
    kPond = 5,     // light blue
    kTan = 6,      // the hedgehog's belly, the path
    kSpine = 7,    // brown
    kPink = 8,     // nose, tulips
    kPeach = 9,    // face, feet, blossoms
    kWhite = 10,   // eye, clouds
};

}  // namespace

void picture10(Scene& s, bool detailed) {
    s.background(kSky);
    s.cut(kSky, CutStyle::bands(3.5, 0.8, 32));
    s.cut(kGrass, CutStyle::bands(2.5, 0.6, 30));
    s.cut(kPond, CutStyle::bands(2.5, 0.8, 10));
    cloud(s, kWhite, 20, 82, 10, false);
    cloud(s, kWhite, 76, 84, 9, false);
    cloud(s, kWhite, 50, 76, 6, false);
    ground(s, kGreen, {60, 66, 62, 68, 62});
    ground(s, kGrass, {42, 50, 56, 50, 44});
    s.fill(kTan, Path().M(64, -1).C(66, 10, 80, 20, 101, 24).L(101, 16).C(86, 12, 76, 6, 76, -1).ring());
    // Stones.
    s.ellipse(kStone, 12, 10, 7, 4.5);
    s.ellipse(kStone, 88, 40, 6, 4);
    s.ellipse(kStone, 18, 44, 5, 3.5);
    if (detailed) {
        const double more[8][3] = {{6, 44, 3}, {94, 6, 3.2}, {52, 6, 3}, {40, 4, 2.8}, {4, 22, 2.8}, {60, 42, 2.8}, {96, 32, 2.8}, {32, 10, 3}};
        for (const auto& m : more) s.ellipse(kStone, m[0], m[1], m[2] * 1.3, m[2]);
    }
    // The hedgehog: spines, body, face, feet.
    const double cx = 46, cy = 30;
    const int spines = detailed ? 15 : 11;
    for (int k = 0; k < spines; ++k) {
        const double a = (170 - 150.0 * k / (spines - 1)) * 3.14159265358979 / 180;
        const double r0 = 13, r1 = 24;
        const double da = 0.5 * 3.14159265358979 / (spines - 1) * 1.6;
        s.new_group();
        s.fill(kSpine, Ring{{cx + r0 * std::cos(a - da), cy + r0 * std::sin(a - da)}, {cx + r1 * std::cos(a), cy + r1 * std::sin(a)},
                            {cx + r0 * std::cos(a + da), cy + r0 * std::sin(a + da)}});
    }
    s.no_group();
    s.ellipse(kSpine, cx, cy, 17, 13.5);
    s.ellipse(kTan, cx + 4, cy - 6, 13, 6);
    s.ellipse(kPeach, cx - 6, cy - 16, 4, 2.5);
    s.ellipse(kPeach, cx + 10, cy - 16, 4, 2.5);
    s.fill(kPeach, Path().M(cx + 8, cy + 8).C(cx + 16, cy + 10, cx + 26, cy + 2, cx + 30, cy - 4).C(cx + 24, cy - 10, cx + 12, cy - 10, cx + 8, cy - 6).ring());
    s.circle(kPink, cx + 30, cy - 4, 2.6);
    s.circle(kWhite, cx + 18, cy + 1.5, 2.4);
    // A pond, blossoms and tulips in the grass.
    s.ellipse(kPond, 14, 22, 11, 5);
    for (const double* d : {(const double[]){8, 8}, (const double[]){56, 8}, (const double[]){92, 28}}) s.star(kPeach, d[0], d[1], 4.6, 3.4, 5);
    for (const double* t : {(const double[]){28, 20}, (const double[]){30, 48}, (const double[]){6, 38}}) {
        s.fill(kPink, poly_ring({t[0] - 2.6, t[1] + 3, t[0] - 2.6, t[1] - 1.5, t[0], t[1] - 3.2, t[0] + 2.6, t[1] - 1.5, t[0] + 2.6, t[1] + 3,
                                 t[0] + 1.3, t[1] + 1.6, t[0], t[1] + 3.2, t[0] - 1.3, t[1] + 1.6}));
    }
}
