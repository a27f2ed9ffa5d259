// Picture 5: a little house with a fence, flowers, a tree, clouds and the sun.
#include "motifs.h"

namespace {

enum {
    kSky = 1,
    kCloud = 2,   // pale blue
    kGreen = 3,   // hill, tree
    kLime = 4,    // front meadow
    kWall = 5,    // cream
    kPink = 6,    // flowers
    kFence = 7,   // tan
    kBrown = 8,   // door, chimney, trunk
    kOrange = 9,  // roof, sun
    kWindow = 10,
};

void tulip(Scene& s, double x, double y) {
    s.fill(kPink, poly_ring({x - 2.6, y + 3, x - 2.6, y - 1.2, x - 1.2, y - 2.8, x + 1.2, y - 2.8, x + 2.6, y - 1.2, x + 2.6, y + 3,
                             x + 1.3, y + 1.6, x, y + 3.2, x - 1.3, y + 1.6}));
}

}  // namespace

void picture05(Scene& s, bool detailed) {
    s.background(kSky);
    s.cut(kSky, CutStyle::bands(3.5, 0.8, 32));
    s.cut(kGreen, CutStyle::bands(2, 0.6, 30));
    s.cut(kWall, CutStyle::fixed_bands(44.0 / 3, 22, true, 1));  // boards between the windows and the door
    s.cut(kLime, CutStyle::bands(3, 0.4, 30));
    s.star(kOrange, 88, 84, 9, 6.5, 10);
    s.circle(kOrange, 88, 84, 6.8);
    cloud(s, kCloud, 14, 80, 11, detailed);
    cloud(s, kCloud, 46, 86, 9, detailed);
    cloud(s, kCloud, 66, 72, 8, detailed);
    if (!detailed) {
        cloud(s, kCloud, 30, 64, 5, false);
        cloud(s, kCloud, 92, 62, 5, false);
    }
    ground(s, kGreen, {36, 40, 38, 34, 38});
    ground(s, kLime, {16, 18, 20, 18, 16});
    // The tree behind the fence.
    tree(s, kGreen, kBrown, 84, 46, 9, detailed ? 5 : 1, true);
    // The house: walls, gable, roof, chimney, door and windows.
    s.rect(kBrown, 55, 60, 60, 72);
    s.rect(kWall, 22, 22, 66, 46);
    s.new_group();
    s.poly(kWall, {28, 46, 60, 46, 44, 58});
    s.no_group();
    if (detailed) {
        s.new_group();
        s.poly(kOrange, {16, 45, 44, 65, 44, 61, 26, 45});
        s.new_group();
        s.poly(kOrange, {44, 61, 44, 65, 72, 45, 62, 45});
        s.no_group();
    } else {
        s.poly(kOrange, {16, 45, 44, 65, 72, 45, 62, 45, 44, 58, 26, 45});
    }
    s.fill(kBrown, Path().M(39, 22).L(39, 34).C(39, 39, 49, 39, 49, 34).L(49, 22).ring());
    for (double x : {26.0, 53.0}) {
        if (detailed) {
            s.new_group();
            s.rect(kWindow, x, 30, x + 4.5, 40);
            s.new_group();
            s.rect(kWindow, x + 4.5, 30, x + 9, 40);
            s.no_group();
        } else {
            s.rect(kWindow, x, 30, x + 9, 40);
        }
    }
    s.circle(kWindow, 44, 51, 3.4);
    if (detailed) {
        s.circle(kWindow, 41.6, 31, 1.6);
        s.circle(kWindow, 46.4, 31, 1.6);
    }
    // Fence and flowers in front.
    const int pickets = detailed ? 10 : 7;
    for (int k = 0; k < pickets; ++k) {
        const double x = 2 + k * (detailed ? 10.3 : 14.6);
        s.poly(kFence, {x, 4, x + 5.5, 4, x + 5.5, 16, x + 2.75, 19.5, x, 16});
    }
    for (double x : {12.0, 38.0, 64.0, 90.0}) tulip(s, x + (detailed ? 0 : 0), 7);
}
