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

void carriage(Scene& s, double x, bool detailed) {
    const double y = kLift;
    s.new_group();
    s.rrect(kRed, x, 24 + y, x + 26, 40 + y, 1.5);
    s.new_group();
    s.rrect(kRed, x - 1.5, 40 + y, x + 27.5, 45 + y, 1.5);
    s.no_group();
    const int windows = detailed ? 4 : 3;
    const double step = 24.0 / windows;
    for (int k = 0; k < windows; ++k) {
        const double a = x + 2 + k * step, b = a + step - 1.5;
        if (detailed) {
            s.new_group();
            s.rect(kGlass, a, 33 + y, b, 37.5 + y);
            s.new_group();
            s.rect(kGlass, a, 28.5 + y, b, 33 + y);
        } else {
            s.rect(kGlass, a, 29 + y, b, 37 + y);
        }
    }
    s.no_group();
    for (double wx : {x + 6, x + 20}) s.circle(kWheel, wx, 22 + y, 3.6);
}

}  // namespace

void picture09(Scene& s, bool detailed) {
    s.background(kSky);
    s.stretch[kSky] = 1.4;
    s.stretch[kGlass] = 2.0;
    if (detailed)
        for (int k = 0; k < 8; ++k) {
            s.new_group();
            const double a = (200 + 360.0 * k / 8) * 3.14159265358979 / 180;
            s.fill(kSun, Ring{{12 + 9 * std::cos(a - 0.22), 84 + 9 * std::sin(a - 0.22)}, {12 + 17 * std::cos(a), 84 + 17 * std::sin(a)},
                              {12 + 9 * std::cos(a + 0.22), 84 + 9 * std::sin(a + 0.22)}});
        }
    s.no_group();
    s.circle(kSun, 12, 84, 8);
    // Hills, meadow, fields and a pond.
    ground(s, kGlass, {72, 78, 76, 80, 74});
    ground(s, kHill, {66, 72, 68, 74, 66});
    ground(s, kGrass, {52, 56, 54, 58, 52});
    s.fill(kField, Path().M(-1, 11).C(20, 14, 40, 10, 60, 12).C(80, 14, 90, 10, 101, 12).L(101, -1).L(-1, -1).ring());
    s.rect(kField, -1, 11, 101, 19.5);
    s.ellipse(kGlass, 80, 5, 15, 4.5);
    // The track: sleepers under the rails.
    for (int k = 0; k < 7; ++k) s.rrect(kSleeper, 4 + k * 14, 12.4, 12.5 + k * 14, 17.5, 1.2);
    s.rect(kWheel, -1, 17.5, 101, 19.5);
    // Engine: boiler, cab, roof, chimney, buffer beam; then the carriages.
    const double y = kLift;
    s.new_group();
    s.rrect(kRed, 66, 24 + y, 88, 36 + y, 4);
    s.new_group();
    s.rect(kRed, 54, 24 + y, 67, 46 + y);
    s.new_group();
    s.rrect(kRed, 52, 46 + y, 69, 50 + y, 1.5);
    s.new_group();
    s.fill(kRed, poly_ring({79, 36 + y, 85, 36 + y, 87, 48 + y, 77, 48 + y}));
    s.new_group();
    s.rect(kRed, 88, 22 + y, 93, 31 + y);
    s.no_group();
    s.rect(kGlass, 57, 36 + y, 64, 43 + y);
    s.circle(kSun, 90.5, 34 + y, 2.6);
    for (double wx : {60.0, 76.0}) s.circle(kWheel, wx, 22 + y, 4.4);
    carriage(s, 24, detailed);
    carriage(s, -6, detailed);
    s.stroke(kRed, {{50, 27 + y}, {54, 27 + y}}, 1.6);
    s.stroke(kRed, {{20, 27 + y}, {24, 27 + y}}, 1.6);
    // Smoke from the chimney.
    s.ellipse(kSmoke, 84, 52, 6, 4.5);
    s.ellipse(kSmoke, 76, 61, 7, 5.5);
}
