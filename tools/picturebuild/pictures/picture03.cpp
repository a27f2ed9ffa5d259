// Picture 3: a castle on a green hill by a river, trees and clouds.
#include "motifs.h"

namespace {

enum {
    kWall = 1,    // light grey
    kTower = 2,   // grey
    kRoof = 3,    // brown-grey: roofs and the door
    kHill = 4,    // green
    kTree = 5,    // dark green
    kWood = 6,    // olive brown: trunks, windows
    kSky = 7,
    kRiver = 8,   // blue: river, flags
    kCloud = 9,   // light blue
};

// A wall with battlements along its top.
void battlement_wall(Scene& s, int colour, double x0, double y0, double x1, double y1, int merlons) {
    Ring r{{x0, y0}, {x1, y0}, {x1, y1}};
    const double w = (x1 - x0) / (2 * merlons - 1);
    for (int k = merlons - 1; k >= 0; --k) {
        const double a = x0 + 2 * k * w;
        if (k < merlons - 1) r.push_back({a + w * 2, y1});
        r.push_back({a + w, y1});
        r.push_back({a + w, y1 + 3});
        r.push_back({a, y1 + 3});
    }
    r.push_back({x0, y1});
    s.fill(colour, r);
}

void flag(Scene& s, double x, double y) {
    s.fill(kRiver, poly_ring({x - 0.7, y, x + 0.7, y, x + 0.7, y + 4, x + 10, y + 7, x + 0.7, y + 12.5, x - 0.7, y + 12.5}));
}

}  // namespace

void picture03(Scene& s, bool detailed) {
    s.background(kSky);
    s.cut(kSky, CutStyle::bands(3.5, 0.8, 32));
    s.cut(kRiver, CutStyle::bands(3, 1.4, 16));
    s.cut(kHill, CutStyle::bands(3, 0.6, 30));
    s.cut(kWall, CutStyle::fixed_bands(20.0 / 3, 4, false, 2));  // courses of stone from the ground up
    cloud(s, kCloud, 11, 83, 10.5, detailed);
    cloud(s, kCloud, 86, 78, 11, detailed);
    cloud(s, kCloud, 52, 88, 8, false);
    // Hill, then the river winding across the front.
    ground(s, kHill, {26, 32, 36, 34, 28});
    s.fill(kRiver, Path().M(-1, 14).C(20, 20, 40, 6, 60, 12).C(75, 16, 90, 8, 101, 10).L(101, -1).L(70, -1).C(65, 2, 50, 8, 35, 4)
                       .C(20, 0, 10, 6, -1, 4).ring());
    // Trees on both sides.
    tree(s, kTree, kWood, 9, 44, 8.5, detailed ? 4 : 2, true);
    tree(s, kTree, kWood, 93, 44, 8.5, detailed ? 4 : 2, true);
    tree(s, kTree, kWood, 14, 27, 7.5, detailed ? 4 : 2, true);
    // The castle: towers, wall, keep.
    battlement_wall(s, kTower, 22, 30, 35, 62, 3);
    battlement_wall(s, kTower, 65, 30, 78, 62, 3);
    battlement_wall(s, kWall, 35, 30, 65, 50, 5);
    s.new_group();
    battlement_wall(s, kWall, 42, 50, 58, 66, 3);
    s.no_group();
    s.poly(kRoof, {20, 65, 37, 65, 28.5, 80});
    s.poly(kRoof, {63, 65, 80, 65, 71.5, 80});
    s.poly(kRoof, {41, 69, 59, 69, 50, 82});
    flag(s, 28.5, 78);
    flag(s, 71.5, 78);
    s.fill(kRoof, Path().M(45, 30).L(45, 40).C(45, 45, 55, 45, 55, 40).L(55, 30).ring());
    s.rrect(kWood, 25.7, 48, 31.3, 57, 2.7);
    s.rrect(kWood, 68.7, 48, 74.3, 57, 2.7);
    s.rrect(kWood, 47.2, 54, 52.8, 62, 2.7);
    if (detailed) {
        s.rrect(kWood, 25.7, 36, 31.3, 43, 2.7);
        s.rrect(kWood, 68.7, 36, 74.3, 43, 2.7);
    }
}
