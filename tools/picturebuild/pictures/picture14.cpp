// Picture 14: a butterfly over a leafy plant and flowers.
#include "motifs.h"

namespace {

enum {
    kSky = 1,      // blue
    kCloud = 2,    // light blue
    kPurple = 3,   // upper wings, a flower
    kLime = 4,     // spots on the lower wings, buds
    kPeach = 5,    // light orange: lower wings, a flower
    kYellow = 6,   // spots on the upper wings, the sun
    kLeaf = 7,     // olive
    kBrown = 8,    // body, antennae, stems
    kGround = 9,   // khaki
    kWhite = 10,   // a small cloud
};

void leaf(Scene& s, double x, double y, double len, double deg) {
    s.fill(kLeaf, rotated(Path().M(x, y).C(x + len * 0.3, y + len * 0.35, x + len * 0.7, y + len * 0.35, x + len, y)
                              .C(x + len * 0.7, y - len * 0.35, x + len * 0.3, y - len * 0.35, x, y).ring(),
                          {x, y}, deg));
}

}  // namespace

void picture14(Scene& s, bool detailed) {
    s.background(kSky);
    s.cut(kSky, CutStyle::bands(3.5, 0.8, 32));
    // The wings in veined sections fanning out from the body.
    s.cut(kPurple, CutStyle::rays(50, 54, 90));
    s.cut(kPeach, CutStyle::rays(50, 50, 270));
    s.circle(kYellow, 88, 82, 7);
    if (detailed) {  // a ring of light round the sun, in two halves
        s.new_group();
        s.fill(kYellow, std::vector<Ring>{ellipse_ring(88, 82, 11, 11), ellipse_ring(88, 82, 7, 7)});
        s.no_group();
        s.cut_at(kYellow, 88, 92, CutStyle::rays(88, 82, 0));
    }
    cloud(s, kCloud, 16, 84, 9, detailed);
    cloud(s, kCloud, 60, 88, 6, false);
    cloud(s, kCloud, 88, 60, 6, false);
    cloud(s, kWhite, 38, 74, 5, false);
    ground(s, kGround, {12, 14, 11, 13, 12});
    // The plant: stems and leaves, buds and two flowers.
    const double leaves[16][4] = {{20, 18, 12, 30},  {21, 24, 11, 150}, {22, 32, 10, 20},  {19, 36, 9, 160},
                                  {80, 16, 12, 150}, {79, 22, 11, 30},  {78, 30, 10, 160}, {80, 34, 9, 25},
                                  {46, 10, 10, 60},  {54, 10, 10, 120}, {6, 10, 9, 80},    {94, 10, 9, 100},
                                  {34, 10, 9, 70},   {66, 10, 9, 110},  {12, 26, 8, 40},   {88, 24, 8, 140}};
    for (int k = 0; k < (detailed ? 16 : 8); ++k) {
        s.new_group();
        // The first leaf on each side carries its stem.
        if (k == 0) s.stroke(kLeaf, {{20, 8}, {22, 30}, {18, 44}}, 2.4);
        if (k == 4) s.stroke(kLeaf, {{80, 8}, {78, 28}, {82, 40}}, 2.4);
        leaf(s, leaves[k][0], leaves[k][1], leaves[k][2], leaves[k][3]);
    }
    s.no_group();
    s.circle(kLime, 12, 31, 3);
    if (detailed) s.circle(kLime, 88, 29, 3);
    s.star(kPurple, 18, 46, 7, 4.5, 6);
    s.circle(kLime, 18, 46, 2.4);
    s.star(kPeach, 82, 42, 7, 4.5, 5);
    if (detailed) s.circle(kYellow, 82, 42, 2.4);
    // The butterfly.
    const double cx = 50, cy = 52;
    s.new_group();
    s.ellipse(kPurple, cx - 13, cy + 8, 13, 11, 25);
    s.new_group();
    s.ellipse(kPurple, cx + 13, cy + 8, 13, 11, -25);
    s.new_group();
    s.ellipse(kPeach, cx - 10, cy - 9, 9, 7.5, -25);
    s.new_group();
    s.ellipse(kPeach, cx + 10, cy - 9, 9, 7.5, 25);
    s.no_group();
    s.circle(kYellow, cx - 15, cy + 10, 3.4);
    s.circle(kYellow, cx + 15, cy + 10, 3.4);
    s.circle(kLime, cx - 11, cy - 10, 3);
    s.circle(kLime, cx + 11, cy - 10, 3);
    s.stroke(kBrown, {{cx - 1, cy + 12}, {cx - 5, cy + 20}, {cx - 9, cy + 24}}, 1.2);
    s.stroke(kBrown, {{cx + 1, cy + 12}, {cx + 5, cy + 20}, {cx + 9, cy + 24}}, 1.2);
    s.circle(kBrown, cx - 9, cy + 24, 2.2);
    s.circle(kBrown, cx + 9, cy + 24, 2.2);
    s.ellipse(kBrown, cx, cy, 3, 13);
}
