// Picture 1: a caterpillar in the meadow, with flowers, a butterfly and the
// sun.
#include "pictures.h"

namespace {

enum {
    kBody = 1,    // yellow-green: the caterpillar, leaves
    kLime = 2,    // light lime: its feet and spots, the far meadow
    kGreen = 3,   // green: near grass, stems
    kPurple = 4,  // purple: flowers, the pupil
    kViolet = 5,  // violet: flowers
    kCyan = 6,    // cyan: butterfly wings
    kYellow = 7,  // yellow: the sun, flower hearts
    kOrange = 8,  // orange: antennae, the butterfly's body
    kSky = 9,
    kWhite = 10,  // the eye
};

// A flower on a stem with one leaf; in the detailed picture every petal is
// a region of its own.
void flower(Scene& s, bool detailed, double x, double y, double r, int colour, int petals, double ground,
            double leaf_side) {
    const double mid = ground + (y - ground) * 0.55;
    s.stroke(kGreen, {{x, ground}, {x + 1.2, mid}, {x, y}}, 2.2);
    const double tip = x + leaf_side * 11;
    s.fill(detailed ? kBody : kGreen, Path()
                                          .M(x + leaf_side * 0.5, mid - 3)
                                          .C(x + leaf_side * 4, mid - 1, tip - leaf_side * 2, mid + 2, tip, mid + 6)
                                          .C(tip - leaf_side * 5, mid + 6.5, x + leaf_side * 1, mid + 4, x + leaf_side * 0.5, mid - 3)
                                          .ring());
    for (int k = 0; k < petals; ++k) {
        if (detailed) s.new_group();
        const double a = 90 + 360.0 * k / petals;
        const Pt c = rotated({{x + r * 0.58, y}}, {x, y}, a)[0];
        s.ellipse(colour, c.x, c.y, r * 0.5, r * (detailed ? 0.36 : 0.4), a);
    }
    s.no_group();
    s.circle(kYellow, x, y, r * 0.38);
}

void butterfly(Scene& s, double x, double y, bool detailed) {
    const double wings[4][5] = {{-5.5, 3, 6.5, 5, 30}, {5.5, 3, 6.5, 5, -30}, {-4, -4, 4.5, 3.6, -25}, {4, -4, 4.5, 3.6, 25}};
    const double k = detailed ? 1.25 : 1.0;
    for (const auto& wg : wings) {
        s.new_group();
        s.ellipse(kCyan, x + wg[0] * k, y + wg[1] * k, wg[2] * k, wg[3] * k, wg[4]);
    }
    s.no_group();
    if (detailed) {
        s.circle(kYellow, x - 8, y + 5, 2.4);
        s.circle(kYellow, x + 8, y + 5, 2.4);
    }
    s.ellipse(kOrange, x, y, 2.2, 8);
}

}  // namespace

void picture01(Scene& s, bool detailed) {
    s.background(kSky);
    s.cut(kSky, CutStyle::bands(3.5, 0.8, 32));
    // The sun in the top-left corner.
    s.star(kYellow, 5, 89, 19, 13, 11, 12);
    s.circle(kYellow, 5, 89, 13);
    // Far meadow and near grass.
    s.fill(kLime, Path().M(-1, 42).C(20, 54, 45, 52, 60, 46).C(75, 40, 90, 48, 101, 50).L(101, -1).L(-1, -1).ring());
    s.fill(kGreen, Path().M(-1, 20).C(25, 28, 60, 26, 101, 18).L(101, -1).L(-1, -1).ring());
    if (detailed) {  // leafy tufts along the front
        for (int k = 0; k < 8; ++k) {
            const double x = 6 + k * 12.5, y = 2 + (k % 3) * 2.5;
            s.new_group();
            s.fill(kBody, Path().M(x - 5, y - 3).C(x - 6, y + 4, x - 3, y + 8, x - 1, y + 11).C(x + 0, y + 6, x + 1, y + 2, x + 0.5, y - 3).ring());
            s.new_group();
            s.fill(kBody, Path().M(x + 0.5, y - 3).C(x + 2, y + 3, x + 4, y + 6, x + 7, y + 8).C(x + 7, y + 3, x + 6, y, x + 5, y - 3).ring());
        }
        s.no_group();
    }
    flower(s, detailed, 14, 62, 8.5, kPurple, detailed ? 7 : 5, 38, 1);
    flower(s, detailed, 38, 68, 7.5, kViolet, 5, 45, -1);
    flower(s, detailed, 91, 68, 8, detailed ? kViolet : kPurple, detailed ? 5 : 6, 38, -1);
    butterfly(s, 62, 77, detailed);

    // The caterpillar: segments from the tail to the head, each over the last.
    const int n = 8;
    const double xs[n] = {10, 18.5, 27, 35.5, 44, 52.5, 61, 69.5};
    const double ys[n] = {22, 25, 28, 29, 28, 25.5, 24.5, 26};
    for (int k = 0; k < n; ++k) s.rrect(kLime, xs[k] - 2.6, ys[k] - 12, xs[k] + 2.6, ys[k] - 4, 2.2);
    for (int k = 0; k < n; ++k) {
        s.new_group();
        s.circle(kBody, xs[k], ys[k], 8);
    }
    if (detailed)
        for (int k = 0; k < n; ++k) s.circle(kLime, xs[k] - 2.5, ys[k] + 3, 2.2);
    s.no_group();
    // Head with antennae.
    s.stroke(kOrange, {{73, 40}, {70, 48}, {66, 52}}, 1.4);
    s.stroke(kOrange, {{80, 41}, {82, 48}, {85, 52}}, 1.4);
    s.circle(kOrange, 66, 52, 3);
    s.circle(kOrange, 85, 52, 3);
    s.new_group();
    s.circle(kBody, 77.5, 34, 10.5);
    s.no_group();
    s.circle(kWhite, 80.5, 37, 4.6);
    s.circle(kPurple, 82.5, 37.5, 2.4);
}
