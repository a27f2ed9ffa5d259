// Picture 12: a giraffe on the savanna under acacia trees.
#include "motifs.h"

namespace {

enum {
    kSky = 1,      // lavender
    kBlue = 2,     // far mountains
    kTree = 3,     // teal acacia crowns
    kHorn = 4,     // taupe: horns, hooves
    kMuzzle = 5,   // peach: muzzle, ears
    kGold = 6,     // the giraffe
    kSpot = 7,     // orange spots
    kGround = 8,   // beige savanna
    kCloud = 9,    // pale grey
    kEye = 10,
};

// A flat-topped acacia: a wide crown on a thin, leaning trunk.
void acacia(Scene& s, double x, double y, double w, bool detailed) {
    s.stroke(kTree, {{x + 2, y - 22}, {x, y - 10}, {x - 2, y}}, 2.2);
    if (detailed) {
        for (int k = 0; k < 3; ++k) {
            s.new_group();
            s.ellipse(kTree, x - w * 0.6 + k * w * 0.6, y + (k == 1 ? 1.5 : 0), w * 0.42, w * 0.22);
        }
        s.no_group();
    } else {
        s.ellipse(kTree, x, y, w, w * 0.28);
    }
}

}  // namespace

void picture12(Scene& s, bool detailed) {
    s.background(kSky);
    s.cut(kSky, CutStyle::bands(3.5, 0.8, 32));
    s.circle(kMuzzle, 50, 84, 6);
    cloud(s, kCloud, 18, 82, 9, detailed);
    cloud(s, kCloud, 82, 86, 8, false);
    if (detailed) cloud(s, kCloud, 36, 70, 6, false);
    // Far mountains, then the savanna.
    s.fill(kBlue, poly_ring({20, 28, 22, 34, 36, 50, 52, 32, 66, 46, 76, 36, 84, 28}));
    ground(s, kGround, {30, 32, 28, 31, 29});
    acacia(s, 14, 50, 14, detailed);
    acacia(s, 90, 58, 10, detailed);
    s.ellipse(kTree, 92, 33, 6, 3.5);
    if (detailed) {
        s.ellipse(kTree, 6, 32, 6, 3.5);
        s.ellipse(kHorn, 24, 20, 5, 3);
    }
    // The giraffe: legs, body, neck, head.
    const double legs[4] = {36, 44, 60, 68};
    for (double x : legs) {
        s.new_group();
        s.rect(kGold, x - 2.2, 8, x + 2.2, 32);
        s.rrect(kGold, x - 2.6, 4, x + 2.6, 9, 1);
        s.no_group();
    }
    s.new_group();
    s.ellipse(kGold, 52, 34, 20, 9);
    s.new_group();
    s.poly(kGold, {60, 36, 70, 38, 76, 72, 68, 72});
    if (detailed) s.new_group();  // the simple picture keeps head and neck together
    s.ellipse(kGold, 75, 74.5, 9.5, 5.8, -12);
    s.no_group();
    s.ellipse(kMuzzle, 83.5, 72, 4.4, 3.9, -12);
    s.ellipse(kMuzzle, 66.5, 79.5, 4.6, 2.5, 35);  // the ear
    s.stroke(kHorn, {{71.5, 78.5}, {69.5, 85}}, 2.0);
    s.stroke(kHorn, {{75.5, 79}, {76.5, 86}}, 2.0);
    s.circle(kHorn, 69.5, 86, 2.4);
    s.circle(kHorn, 76.5, 87, 2.4);
    // A big eye looking ahead, nostril and smile.
    s.circle(kEye, 75, 75.8, 3.3);
    s.ink({{76.8, 75.5}, {76.82, 75.5}}, 1.8);
    s.ink({{85, 73}, {85.02, 73}}, 0.9);
    s.ink(Path().M(80.5, 70.2).Q(82.5, 69.4, 84.5, 70.4).line(), 0.4);
    // Spots.
    const double spots[8][3] = {{42, 35, 3.6}, {52, 31, 3.8}, {62, 35, 3.4}, {69, 55, 3}, {48, 38, 2.6}, {58, 28, 2.6}, {70, 46, 2.4}, {72, 64, 2.4}};
    for (int k = 0; k < 4; ++k) s.circle(kSpot, spots[k][0], spots[k][1], spots[k][2]);
}
