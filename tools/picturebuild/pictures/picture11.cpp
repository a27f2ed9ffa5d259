// Picture 11: a rocket lifting off from the hills into the sky, with stars,
// a planet and clouds.
#include "motifs.h"

namespace {

enum {
    kSky = 1,      // light blue
    kBlue = 2,     // nose, fins, the planet
    kEarth = 3,    // brown hills
    kGrass = 4,    // green
    kMetal = 5,    // grey body
    kYellow = 6,   // inner flame, stars
    kOrange = 7,   // outer flame
    kTree = 8,     // teal
    kCloud = 9,    // periwinkle
    kWindow = 10,
};

}  // namespace

void picture11(Scene& s, bool detailed) {
    s.background(kSky);
    s.cut(kSky, CutStyle::bands(3.5, 0.8, 32));
    // Stars and a ringed planet.
    const double stars[5][2] = {{12, 84}, {86, 70}, {30, 64}, {70, 88}, {90, 46}};
    for (int k = 0; k < (detailed ? 5 : 3); ++k) s.star(kYellow, stars[k][0], stars[k][1], 4.2, 2.2, 5);
    s.circle(kBlue, 16, 60, 6);
    if (detailed) s.fill(kBlue, std::vector<Ring>{ellipse_ring(16, 60, 10, 2.6, 15), ellipse_ring(16, 60, 7, 1.2, 15)});
    cloud(s, kCloud, 84, 30, 9, false);
    cloud(s, kCloud, 14, 36, 8, false);
    if (detailed) {
    }
    // Hills and grass; trees.
    ground(s, kEarth, {18, 24, 14, 22, 16});
    ground(s, kGrass, {8, 10, 6, 9, 8});
    tree(s, kTree, kEarth, 88, 26, 5, 1, false);
    if (detailed) {
        tree(s, kTree, kEarth, 10, 24, 4.5, 1, false);
        tree(s, kTree, kEarth, 22, 22, 4, 1, false);
    }
    // Flames below the rocket.
    s.fill(kOrange, Path().M(42, 34).C(40, 26, 44, 20, 50, 12).C(56, 20, 60, 26, 58, 34).ring());
    {
        s.fill(kOrange, Path().M(36, 36).C(34, 30, 36, 26, 40, 22).C(42, 28, 44, 32, 44, 36).ring());
        s.fill(kOrange, Path().M(64, 36).C(66, 30, 64, 26, 60, 22).C(58, 28, 56, 32, 56, 36).ring());
    }
    s.fill(kYellow, Path().M(45, 34).C(44, 28, 47, 24, 50, 19).C(53, 24, 56, 28, 55, 34).ring());
    // Fins, body, nose, window.
    s.fill(kBlue, poly_ring({40, 34, 40, 48, 30, 34, 30, 28}));
    s.fill(kBlue, poly_ring({60, 34, 60, 48, 70, 34, 70, 28}));
    s.new_group();
    s.fill(kMetal, Path().M(40, 34).L(60, 34).L(60, 56).L(40, 56).ring());
    s.new_group();
    s.fill(kMetal, Path().M(40, 56).L(60, 56).C(60, 64, 56, 70, 50, 74).C(44, 70, 40, 64, 40, 56).ring());
    s.no_group();
    s.fill(kBlue, Path().M(43.5, 66).L(56.5, 66).C(55, 72, 52, 76, 50, 80).C(48, 76, 45, 72, 43.5, 66).ring());
    s.circle(kWindow, 50, 50, 4.6);
}
