// Picture 18: a happy piglet by a muddy puddle, with clouds overhead.
#include "motifs.h"

namespace {

enum {
    kSky = 1,      // pale blue
    kCloud = 2,    // light periwinkle
    kGrass = 3,    // olive green
    kMud = 4,      // taupe
    kPuddle = 5,   // pale cyan
    kPig = 6,      // peach
    kPink = 7,     // salmon: snout, ears, trotters, tail
    kEye = 10,
};

}  // namespace

void picture18(Scene& s, bool detailed) {
    s.background(kSky);
    s.stretch[kSky] = 1.4;
    cloud(s, kCloud, 16, 82, 10, detailed);
    cloud(s, kCloud, 56, 86, 8, false);
    cloud(s, kCloud, 88, 74, 8, detailed);
    ground(s, kGrass, {40, 44, 42, 46, 42});
    s.ellipse(kMud, 30, 14, 28, 9);
    s.ellipse(kMud, 82, 12, 16, 6);
    if (detailed) {
        s.ellipse(kMud, 56, 6, 8, 3.2);
        s.ellipse(kMud, 92, 6, 8, 3.2);
        s.ellipse(kMud, 70, 6, 7, 3.2);
    }
    const double puddles[9][4] = {{22, 14, 9, 3.2}, {42, 12, 6, 2.6}, {82, 12, 7, 2.6}, {12, 10, 4.4, 2.2}, {8, 18, 3.4, 1.8},
                                  {32, 8, 4, 1.8}, {56, 6, 4, 1.8}, {92, 6, 4, 1.8}, {70, 6, 4, 1.8}};
    for (int k = 0; k < (detailed ? 9 : 4); ++k) s.ellipse(kPuddle, puddles[k][0], puddles[k][1], puddles[k][2], puddles[k][3]);
    // Legs, body, head, ears, snout, tail.
    s.new_group();
    s.stroke(kPig, {{82, 36}, {90, 40}, {88, 45}, {93, 47}}, detailed ? 2.8 : 4.0);
    s.no_group();
    for (double x : {44.0, 52.0, 66.0, 74.0}) {
        s.rrect(kPink, x - 3.2, 12, x + 3.2, 17, 1.2);
    }
    s.new_group();
    s.ellipse(kPig, 60, 34, 22, 13);
    for (double x : {44.0, 52.0, 66.0, 74.0}) {
        if (detailed) s.new_group();
        s.rect(kPig, x - 3, 16, x + 3, 28);
    }
    s.new_group();
    s.circle(kPig, 38, 44, 12);
    s.no_group();
    s.poly(kPink, {30, 52, 28, 62, 37, 55});
    s.poly(kPink, {42, 55, 48, 62, 47, 51});
    s.ellipse(kPink, 28, 40, 5, 4.2);
    if (detailed) {
        s.circle(kMud, 26.5, 40, 1.4);
        s.circle(kMud, 29.5, 40, 1.4);
    }
    s.circle(kEye, 36, 47, 2.4);
    if (detailed) {
        const double spots[8][3] = {{56, 38, 3}, {68, 30, 3.4}, {50, 28, 2.6}, {72, 40, 2.6}, {44, 38, 2.6}, {62, 26, 2.4}, {78, 34, 2.4}, {60, 44, 2.4}};
        for (const auto& sp : spots) s.circle(kMud, sp[0], sp[1], sp[2]);
    }
}
