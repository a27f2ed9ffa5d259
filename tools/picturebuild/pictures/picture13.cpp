// Picture 13: a lion with a big mane lying in the savanna grass.
#include <cmath>

#include "motifs.h"

namespace {

enum {
    kSky = 1,      // pale blue
    kGrass = 2,    // yellow-green
    kStraw = 3,    // olive yellow: tall grass, bushes
    kGold = 4,     // dark gold: outer mane, tail tuft
    kCloud = 5,    // pale cyan
    kSun = 6,      // light yellow
    kFur = 7,      // sand
    kBrown = 8,    // nose, pupils
    kMane = 9,     // orange
    kEye = 10,
};

}  // namespace

void picture13(Scene& s, bool detailed) {
    s.background(kSky);
    s.stretch[kSky] = 1.4;
    s.circle(kSun, 86, 82, 8);
    if (detailed) s.fill(kSun, std::vector<Ring>{ellipse_ring(86, 82, 12.5, 12.5), ellipse_ring(86, 82, 10, 10)});
    cloud(s, kCloud, 22, 82, 10, false);
    if (detailed) cloud(s, kCloud, 56, 86, 7, false);
    ground(s, kStraw, {40, 44, 38, 42, 40});
    ground(s, kGrass, {26, 28, 24, 27, 25});
    // Tail with its tuft.
    s.stroke(kFur, {{76, 26}, {86, 30}, {90, 40}}, 2.2);
    s.circle(kGold, 90, 42, 3.6);
    // Body and legs.
    s.new_group();
    s.ellipse(kFur, 60, 26, 20, 10);
    if (detailed) {
        for (double x : {46.0, 58.0, 70.0}) {
            s.new_group();
            s.ellipse(kFur, x, 16, 4.5, 3.2);
        }
    }
    s.no_group();
    // Mane: an outer ring and orange locks around the face.
    s.circle(kGold, 36, 44, 20.5);
    const int locks = detailed ? 7 : 1;
    if (detailed) {
        for (int k = 0; k < locks; ++k) {
            s.new_group();
            const double a = (90 + 360.0 * k / locks) * 3.14159265358979 / 180;
            s.circle(kMane, 36 + 10.5 * std::cos(a), 44 + 10.5 * std::sin(a), 6.2);
        }
        s.no_group();
    } else {
        s.circle(kMane, 36, 44, 14.5);
    }
    // Ears and face.
    s.new_group();
    s.circle(kFur, 26, 55, 4);
    s.new_group();
    s.circle(kFur, 46, 55, 4);
    s.new_group();
    s.ellipse(kFur, 36, 43, 11, 10.5);
    s.no_group();
    for (double x : {31, 41}) {
        s.ellipse(kEye, x, 46.5, 4.4, 4.8);
        s.circle(kBrown, x + 1.9, 46, 2.1);
    }
    s.ellipse(kBrown, 36, 38.5, 3.6, 2.6);
    // Tall grass in front.
    for (int k = 0; k < (detailed ? 9 : 1); ++k) {
        const double x = detailed ? 4 + k * 11.5 : 88;
        s.fill(kStraw, poly_ring({x - 4, -1, x + 4, -1, x + 1.5, 12, x, 16, x - 1.5, 12}));
    }
}
