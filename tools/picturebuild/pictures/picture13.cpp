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

// A round shape with `bumps` rounded lobes around its rim, like a mane.
Ring scalloped(double cx, double cy, double r, double depth, int bumps, double turn = 0) {
    Ring out;
    const int n = bumps * 16;
    for (int i = 0; i < n; ++i) {
        const double a = 2 * 3.14159265358979 * i / n + turn;
        const double lobe = std::fabs(std::sin(bumps * (a - turn) / 2));
        const double rr = r - depth + depth * std::sqrt(lobe);
        out.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
    }
    return out;
}

}  // namespace

void picture13(Scene& s, bool detailed) {
    s.background(kSky);
    s.cut(kSky, CutStyle::bands(3.5, 0.8, 32));
    s.cut(kGrass, CutStyle::bands(3, 0.5, 30));
    s.cut(kStraw, CutStyle::bands(3, 0.5, 30));
    // The sun, with a ring of light when detailed; clouds.
    s.circle(kSun, 86, 80, 8);
    if (detailed) {
        s.new_group();
        s.fill(kSun, std::vector<Ring>{ellipse_ring(86, 80, 12.5, 12.5), ellipse_ring(86, 80, 8, 8)});
        s.no_group();
    }
    cloud(s, kCloud, 22, 82, 10, false);
    if (detailed) cloud(s, kCloud, 56, 86, 7, false);
    // The savanna: dry grass at the back, green grass in front.
    ground(s, kStraw, {40, 44, 38, 42, 40});
    ground(s, kGrass, {26, 28, 24, 27, 25});

    // The lion lies facing us, its body stretched out to the right.
    const double hx = 34, hy = 45;  // the middle of the head
    // Tail with its tuft, the body, the front paws and the hind leg; in
    // the simple picture the paws go with the body.
    s.new_group();
    s.stroke(kFur, Path().M(80, 24).C(88, 24, 92, 20, 93, 13).line(), detailed ? 3.0 : 4.4);
    s.circle(kGold, 93.5, 11, 3.8);
    s.new_group();
    s.ellipse(kFur, 62, 27, 21, 10.5);
    if (detailed) s.new_group();
    s.rrect(kFur, 36, 13.5, 58, 19.5, 3);
    if (detailed) s.new_group();
    s.rrect(kFur, 46, 17.5, 66, 23.5, 3);
    s.new_group();
    s.circle(kFur, 75, 26, 8.5);
    if (detailed) s.new_group();
    s.ellipse(kFur, 79, 17.5, 6, 3.4);
    s.no_group();
    s.whole_at(kFur, 27, 42);  // the face
    if (detailed) {
        s.cut_at(kFur, 91, 19, CutStyle::stripes(), 2);
        s.cut_at(kFur, 58, 34, CutStyle::fixed_bands(11, 56, true, 1), 3);
    }
    // The mane: a shaggy outer ring, orange locks inside it.
    s.fill(kGold, scalloped(hx, hy, 22.5, 3, 14));
    s.fill(kMane, scalloped(hx, hy, 18.5, 2, 10, 0.3));
    if (detailed) {
        s.cut(kGold, CutStyle::rays(hx, hy, 90));
        s.cut(kMane, CutStyle::rays(hx, hy, 90));
    }
    // Ears peeping over the face with its round cheeks; the ears are
    // regions of their own when detailed.
    s.new_group();
    s.circle(kFur, hx - 8, hy + 8.8, 3.4);
    if (detailed) s.new_group();
    s.circle(kFur, hx + 8, hy + 8.8, 3.4);
    if (detailed) s.new_group();
    s.ellipse(kFur, hx, hy + 1.5, 11, 10);
    s.circle(kFur, hx - 5, hy - 4, 6.2);
    s.circle(kFur, hx + 5, hy - 4, 6.2);
    s.no_group();
    // Eyes looking at us, the nose, the mouth and whisker spots.
    for (double dx : {-4.6, 4.6}) {
        s.ellipse(kEye, hx + dx, hy + 3.8, 4.0, 5.2);
        s.circle(kBrown, hx + dx * 0.92, hy + 1.9, 2.15);
    }
    const double ny = hy - 3;  // the nose's top
    s.fill(kBrown, Path().M(hx - 4, ny).C(hx - 4, ny + 1.4, hx + 4, ny + 1.4, hx + 4, ny)
                          .C(hx + 3, ny - 2.8, hx + 1, ny - 4, hx, ny - 4).C(hx - 1, ny - 4, hx - 3, ny - 2.8, hx - 4, ny)
                          .ring());
    s.ink(Path().M(hx, ny - 3.9).L(hx, ny - 5.4).line(), 0.45);
    s.ink(Path().M(hx - 3.8, ny - 6.2).Q(hx - 1.9, ny - 7.4, hx, ny - 5.4).Q(hx + 1.9, ny - 7.4, hx + 3.8, ny - 6.2).line(), 0.45);
    for (double side : {-1.0, 1.0})
        for (int k = 0; k < 3; ++k) {
            const double x = hx + side * (6 + 1.5 * k), y = ny - 3.4 - (k == 1 ? 1.1 : 0);
            s.ink({{x, y}, {x + 0.01, y}}, 0.7);
        }
    // Tall grass in front.
    for (int k = 0; k < (detailed ? 9 : 1); ++k) {
        const double x = detailed ? 4 + k * 11.5 : 8;
        s.fill(kStraw, poly_ring({x - 4, -1, x + 4, -1, x + 1.5, 12, x, 16, x - 1.5, 12}));
    }
}
