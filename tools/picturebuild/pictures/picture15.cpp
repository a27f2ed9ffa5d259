// Picture 15: an autumn tree losing its leaves, with a squirrel below.
#include <cmath>

#include "motifs.h"

namespace {

enum {
    kGround = 1,   // olive
    kSky = 2,      // light blue
    kTrunk = 3,    // brown
    kGrass = 4,    // green
    kMustard = 5,  // leaves
    kSun = 6,      // yellow
    kAmber = 7,    // dark orange leaves
    kSquirrel = 8, // light orange
    kRed = 9,      // orange-red leaves
    kCloud = 10,
};

void leaf(Scene& s, int colour, double x, double y, double r, double deg) {
    s.new_group();
    s.fill(colour, rotated(Path().M(x - r, y).C(x - r * 0.4, y + r * 0.9, x + r * 0.5, y + r * 0.8, x + r, y)
                               .C(x + r * 0.5, y - r * 0.8, x - r * 0.4, y - r * 0.9, x - r, y).ring(),
                           {x, y}, deg));
    s.no_group();
}

}  // namespace

void picture15(Scene& s, bool detailed) {
    s.background(kSky);
    s.stretch[kSky] = 1.3;
    s.stretch[kGround] = 1.6;
    s.circle(kSun, 88, 84, 7);
    cloud(s, kCloud, 14, 84, 9, false);
    ground(s, kGrass, {24, 28, 26, 30, 26});
    ground(s, kGround, {14, 16, 13, 15, 14});
    // Trunk with two branches.
    s.fill(kTrunk, poly_ring({44, 12, 56, 12, 54, 40, 52, 52, 48, 52, 46, 40}));
    s.stroke(kTrunk, {{52, 44}, {64, 56}, {70, 62}}, 3.4);
    s.stroke(kTrunk, {{47, 42}, {36, 54}, {30, 60}}, 3.4);
    // The crown: leaves of three colours in a big round heap.
    const int crown[20] = {kRed, kRed, kMustard, kRed, kAmber, kRed, kRed, kRed, kRed, kRed,
                           kMustard, kRed, kRed, kAmber, kRed, kRed, kMustard, kRed, kRed, kRed};
    int n = 0;
    for (int ring = 0; ring < 3; ++ring) {
        const int count = ring == 0 ? 1 : ring == 1 ? 7 : 12;
        const double rad = ring * 10.5;
        for (int k = 0; k < count; ++k) {
            const double a = (90 + 360.0 * k / count + ring * 7) * 3.14159265358979 / 180;
            const double x = 50 + rad * std::cos(a) * 1.25, y = 66 + rad * std::sin(a) * 0.95;
            leaf(s, crown[n], x, y, 8.2, 360.0 * k / count + ring * 30);
            ++n;
        }
    }
    // Falling leaves.
    leaf(s, kMustard, 28, 34, 4.4, 50);
    leaf(s, kRed, 14, 40, 4.5, 30);
    leaf(s, kAmber, 88, 50, 4.5, -20);
    leaf(s, kRed, 74, 42, 4.2, 60);
    if (detailed) {
        leaf(s, kSquirrel, 20, 60, 4.2, 10);
        leaf(s, kMustard, 8, 24, 4.2, -30);
        leaf(s, kMustard, 64, 20, 4.2, 20);
    }
    // The squirrel: body, head, ear, bushy tail.
    s.fill(kSquirrel, Path().M(80, 14).C(74, 22, 76, 34, 84, 38).C(90, 40, 94, 34, 90, 30).C(86, 26, 86, 20, 88, 16).ring());
    s.new_group();
    s.ellipse(kAmber, 94, 18, 5.5, 7);
    s.circle(kAmber, 97, 27, 4);
    s.no_group();
    if (detailed) s.circle(kSquirrel, 99, 16, 2.6);
}
