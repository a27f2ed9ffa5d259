// Picture 9: a steam train on its track through green hills, puffing smoke.
#include <cmath>

#include "motifs.h"

namespace {

enum {
    kSky = 1,      // blue
    kGlass = 2,    // light blue: windows, the pond
    kRed = 3,      // the train
    kHill = 4,     // green
    kGrass = 5,    // light green
    kWheel = 6,    // khaki
    kSleeper = 7,  // brown
    kField = 8,    // pale yellow
    kSun = 9,      // yellow
    kSmoke = 10,
};

constexpr double kLift = -3;  // the train's height above the rails

// A row of rounded hills side by side, each a region of its own, rising
// about `height` above `base`.
void hill_row(Scene& s, int colour, int n, double base, double height, double shift) {
    const double step = 104.0 / n;
    for (int k = 0; k < n; ++k) {
        const double x = -2 + (k + 0.5) * step + shift;
        const double rise = height * (0.85 + 0.15 * std::sin(k * 2.1 + shift));
        s.new_group();
        s.ellipse(colour, x, base, step * 0.72, rise);
    }
    s.no_group();
}

void carriage(Scene& s, double x, bool detailed) {
    const double y = kLift;
    // Body: one piece, or one panel around each column of windows.
    const int windows = detailed ? 4 : 3;
    if (detailed) {
        for (int k = 0; k < windows; ++k) {
            s.new_group();
            s.fill(kRed, k == 0 ? rrect_ring(x, 24 + y, x + 6.5, 40 + y, 1.5)
                         : k == windows - 1 ? rrect_ring(x + 19.5, 24 + y, x + 26, 40 + y, 1.5)
                                            : rect_ring(x + k * 6.5, 24 + y, x + (k + 1) * 6.5, 40 + y));
        }
        // The roof in two halves.
        s.new_group();
        s.rrect(kRed, x - 1.5, 40 + y, x + 13, 45 + y, 1.5);
        s.new_group();
        s.rrect(kRed, x + 13, 40 + y, x + 27.5, 45 + y, 1.5);
    } else {
        s.new_group();
        s.rrect(kRed, x, 24 + y, x + 26, 40 + y, 1.5);
        s.new_group();
        s.rrect(kRed, x - 1.5, 40 + y, x + 27.5, 45 + y, 1.5);
    }
    s.no_group();
    const double step = 26.0 / windows;
    for (int k = 0; k < windows; ++k) {
        const double a = x + k * step + (step - 4.2) / 2, b = a + 4.2;
        if (detailed) {
            s.new_group();
            s.rect(kGlass, a, 33 + y, b, 37.5 + y);
            s.new_group();
            s.rect(kGlass, a, 28.5 + y, b, 33 + y);
        } else {
            s.rect(kGlass, a + (k == 1 ? 0 : 0), 29 + y, b + 1.5, 37 + y);
        }
    }
    s.no_group();
    for (double wx : {x + 6, x + 20}) s.circle(kWheel, wx, 22 + y, 3.6);
}

void engine(Scene& s, bool detailed) {
    const double y = kLift;
    // Boiler, in rings when detailed.
    if (detailed) {
        s.new_group();
        s.fill(kRed, rect_ring(66, 24 + y, 73, 36 + y));
        s.new_group();
        s.fill(kRed, rect_ring(73, 24 + y, 80, 36 + y));
        s.new_group();
        s.rrect(kRed, 76, 24 + y, 88, 36 + y, 4);
    } else {
        s.new_group();
        s.rrect(kRed, 66, 24 + y, 88, 36 + y, 4);
    }
    // Cab: lower part, and the upper part around the window.
    s.new_group();
    s.rect(kRed, 54, 24 + y, 67, detailed ? 33 + y : 46 + y);
    if (detailed) {
        s.new_group();
        s.rect(kRed, 54, 33 + y, 67, 46 + y);
    }
    // Roof.
    s.new_group();
    if (detailed) {
        s.rrect(kRed, 52, 46 + y, 60.5, 50 + y, 1.5);
        s.new_group();
        s.rrect(kRed, 60.5, 46 + y, 69, 50 + y, 1.5);
    } else {
        s.rrect(kRed, 52, 46 + y, 69, 50 + y, 1.5);
    }
    // Chimney with its crown.
    s.new_group();
    s.fill(kRed, poly_ring({79.5, 36 + y, 84.5, 36 + y, 86, detailed ? 44 + y : 48 + y, 78, detailed ? 44 + y : 48 + y}));
    if (detailed) {
        s.new_group();
        s.rrect(kRed, 76.5, 44 + y, 87.5, 49 + y, 1.2);
    }
    // Buffer beam.
    s.new_group();
    s.rect(kRed, 88, 22 + y, 93, 31 + y);
    s.no_group();
    s.rect(kGlass, 57, 36 + y, 64, 43 + y);
    s.circle(kSun, 90.5, 34 + y, 2.6);
    for (double wx : {60.0, 76.0}) s.circle(kWheel, wx, 22 + y, 4.4);
}

}  // namespace

void picture09(Scene& s, bool detailed) {
    s.background(kSky);
    s.cut(kSky, CutStyle::bands(3.5, 0.8, 32));
    s.cut(kGrass, CutStyle::bands(3, 0.6, 30));
    s.cut(kField, CutStyle::bands(3, 0.4, 40));
    s.cut(kGlass, CutStyle::cells(2.0));
    if (detailed)
        for (int k = 0; k < 8; ++k) {
            s.new_group();
            const double a = (200 + 360.0 * k / 8) * 3.14159265358979 / 180;
            s.fill(kSun, Ring{{12 + 9 * std::cos(a - 0.22), 84 + 9 * std::sin(a - 0.22)}, {12 + 17 * std::cos(a), 84 + 17 * std::sin(a)},
                              {12 + 9 * std::cos(a + 0.22), 84 + 9 * std::sin(a + 0.22)}});
        }
    s.no_group();
    s.circle(kSun, 12, 84, 8);
    // Far blue hills, green hills, the meadow, fields and a pond.
    hill_row(s, kGlass, detailed ? 12 : 2, 52, detailed ? 10 : 12, detailed ? 0.0 : 20.0);
    hill_row(s, kHill, detailed ? 6 : 3, 43, 13, 3.0);
    ground(s, kGrass, {44, 46, 45, 47, 44});
    s.fill(kField, Path().M(-1, 11).C(20, 14, 40, 10, 60, 12).C(80, 14, 90, 10, 101, 12).L(101, -1).L(-1, -1).ring());
    s.rect(kField, -1, 11, 101, 19.5);
    if (detailed) {
        s.new_group();
        s.ellipse(kGlass, 72, 5, 9, 4.5);
        s.new_group();
        s.ellipse(kGlass, 88, 5.5, 8, 4.2);
        s.no_group();
    } else {
        s.ellipse(kGlass, 80, 5, 15, 4.5);
    }
    // The track: sleepers under the rails.
    for (int k = 0; k < 7; ++k) s.rrect(kSleeper, 4 + k * 14, 12.4, 12.5 + k * 14, 17.5, 1.2);
    s.rect(kWheel, -1, 17.5, 101, 19.5);
    // Engine and carriages, coupled together.
    engine(s, detailed);
    carriage(s, 24, detailed);
    carriage(s, -6, detailed);
    const double y = kLift;
    s.stroke(kRed, {{50, 27 + y}, {54, 27 + y}}, 1.6);
    s.stroke(kRed, {{20, 27 + y}, {24, 27 + y}}, 1.6);
    // Smoke from the chimney.
    s.ellipse(kSmoke, 86, 55, 6, 4.5);
    s.ellipse(kSmoke, 79, 64, 7, 5.5);
}
