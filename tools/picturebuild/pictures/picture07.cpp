// Picture 7: a sailing ship on the waves at sunset, with gulls' cloud.
#include <cmath>

#include "motifs.h"

namespace {

enum {
    kSea = 1,      // blue
    kSky = 2,      // light blue
    kHull = 3,     // brown
    kWood = 4,     // light brown: masts, cabin
    kSun = 5,      // light orange
    kNavy = 6,     // flag, portholes
    kSail = 7,     // light grey
    kCream = 8,    // cream sails
    kCloud = 10,
};

}  // namespace

void picture07(Scene& s, bool detailed) {
    s.background(kSky);
    s.cut(kSky, CutStyle::bands(3.5, 0.8, 32));
    s.cut(kSea, CutStyle::bands(3, 1.4, 16));
    // The setting sun, with its rays in the detailed picture.
    if (detailed) {
        for (int k = 0; k < 13; ++k) {
            s.new_group();
            const double a = (15 + 360.0 * k / 13) * 3.14159265358979 / 180, da = 0.16, db = 0.09;
            s.fill(kSun, Ring{{80 + 8 * std::cos(a - da), 72 + 8 * std::sin(a - da)}, {80 + 19 * std::cos(a - db), 72 + 19 * std::sin(a - db)},
                              {80 + 19 * std::cos(a + db), 72 + 19 * std::sin(a + db)}, {80 + 8 * std::cos(a + da), 72 + 8 * std::sin(a + da)}});
        }
        s.no_group();
    }
    s.circle(kSun, 80, 72, detailed ? 8.5 : 9);
    cloud(s, kCloud, 20, 82, 10, false);
    // Sea with waves.
    ground(s, kSea, {30, 33, 31, 33, 30});
    // Masts and sails.
    s.rect(kWood, 39.5, 30, 43.5, 84);
    s.rect(kWood, 61.5, 30, 65.5, 76);
    s.rrect(kWood, 37.5, 80, 45.5, 86, 1);
    s.fill(kNavy, poly_ring({41.5, 86, 52, 89.5, 41.5, 93}));
    s.fill(kSail, Path().M(26, 44).Q(30, 62, 26, 78).L(39.5, 78).L(39.5, 44).ring());
    s.fill(kCream, Path().M(43.5, 46).Q(52, 60, 43.5, 76).L(43.5, 46).ring());
    s.fill(kSail, Path().M(47, 42).Q(51, 58, 48, 70).L(61.5, 70).L(61.5, 42).ring());
    s.fill(kCream, Path().M(65.5, 44).Q(74, 56, 65.5, 68).L(65.5, 44).ring());
    s.fill(kSail, poly_ring({65.5, 40, 84, 40, 65.5, 28}));
    // Cabin and hull.
    s.rect(kWood, 48, 34, 60, 41);
    const double hull_top = 36;
    if (detailed) {
        for (int k = 0; k < 3; ++k) {
            const double y0 = 18 + k * 6, y1 = y0 + 6;
            s.new_group();
            s.fill(kHull, poly_ring({14 + (y0 - 18) * 0.3, y0, 86 - (y0 - 18) * 0.2, y0, 86 - (y1 - 18) * 0.2, y1, 14 + (y1 - 18) * 0.3, y1}));
        }
        s.no_group();
    } else {
        s.new_group();
        s.poly(kHull, {14, hull_top, 90, hull_top, 86, 30, 18, 30});
        s.new_group();
        s.poly(kHull, {18, 30, 86, 30, 82, 24, 22, 24});
        s.new_group();
        s.poly(kHull, {22, 24, 82, 24, 76, 17, 28, 17});
        s.no_group();
    }
    if (detailed)
        for (int k = 0; k < 7; ++k) s.circle(kNavy, 27 + k * 8, 27, 1.8);
    // Waves in front of the hull.
    s.fill(kSea, Path().M(-1, 20).C(10, 24, 20, 16, 30, 20).C(40, 24, 50, 16, 60, 20).C(70, 24, 80, 16, 90, 20).C(95, 22, 100, 20, 101, 19)
                     .L(101, -1).L(-1, -1).ring());
}
