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
    s.cut(kSky, CutStyle::bands(3.5, 0.8, 32));
    s.cut(kGround, CutStyle::bands(1.8, 0.4, 30));  // clods of earth
    // The sun; when detailed, with a ring of light in two halves.
    s.circle(kSun, 88, 82, 7);
    if (detailed) {
        s.new_group();
        s.fill(kSun, std::vector<Ring>{ellipse_ring(88, 82, 11, 11), ellipse_ring(88, 82, 7, 7)});
        s.no_group();
        s.cut_at(kSun, 88, 92, CutStyle::rays(88, 82, 0));
    }
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
    leaf(s, kAmber, 63, 33, 4.4, -20);
    leaf(s, kRed, 74, 42, 4.2, 60);
    if (detailed) {
        leaf(s, kSquirrel, 20, 60, 4.2, 10);
        leaf(s, kMustard, 8, 24, 4.2, -30);
        leaf(s, kMustard, 64, 20, 4.2, 20);
    }
    // The squirrel sits on the grass facing left: a bushy tail curling up
    // behind it, the body with its feet, the head with a pointed ear; one
    // region in the simple picture, body and head apart when detailed.
    const double tail[8][3] = {{85, 18, 3.5}, {90.5, 22, 5.5}, {93.5, 29.5, 6.8}, {93, 38.5, 7.2}, {89, 46, 6.8},
                               {84.5, 51.5, 5.8}, {82.5, 56.5, 4.2}, {85, 59.5, 3}};
    s.new_group();
    for (const auto& t : tail) s.circle(kAmber, t[0], t[1], t[2]);
    s.new_group();
    s.fill(kSquirrel, rotated(ellipse_ring(80, 25, 7, 9.5), {80, 25}, 10));
    s.ellipse(kSquirrel, 79, 16.5, 5.5, 2.4);
    s.circle(kSquirrel, 73.5, 28, 2.4);
    if (detailed) s.new_group();
    s.circle(kSquirrel, 76, 38, 6);
    s.ellipse(kSquirrel, 71.2, 36.4, 3.8, 3.1);
    s.fill(kSquirrel, translated(rotated(Path().M(-2.4, 0).Q(-1.8, 3.6, 0.3, 5.6).Q(1.8, 3.6, 2.4, 0).ring(), {0, 0}, -14),
                                 79.6, 42.2));
    s.no_group();
    // Eye, nose and mouth; the arm and the thigh.
    s.ink({{74.6, 39.6}, {74.62, 39.6}}, 1.8);
    s.ink({{67.9, 37.2}, {67.92, 37.2}}, 1.0);
    s.ink(Path().M(69.5, 34.8).Q(70.6, 34.0, 71.8, 34.6).line(), 0.4);
    s.ink(Path().M(79, 32.5).C(76.5, 32.5, 74.5, 31, 74.5, 29.5).line(), 0.45);
    s.ink(Path().M(81.5, 19).C(84.5, 20.5, 84.5, 25, 82.5, 28).line(), 0.45);
}
