// Picture 4: two hot-air balloons over a patchwork of fields, with the sun
// and clouds.
#include <cmath>

#include "motifs.h"

namespace {

enum {
    kSky = 1,     // light blue
    kCloud = 2,   // cyan
    kPurple = 3,
    kLilac = 4,
    kRed = 5,     // red-pink
    kSalmon = 6,
    kBrown = 7,   // baskets, ploughed fields
    kTan = 8,     // fields
    kLime = 9,    // the sun, fields
};

// Half-width of a balloon's envelope at height y: a round top narrowing
// towards the neck.
double half_width(double cy, double r, double neck_y, double neck_w, double y) {
    if (y >= cy) return std::sqrt(std::max(0.0, r * r - (y - cy) * (y - cy)));
    const double t = (cy - y) / (cy - neck_y);
    return r * (1 - t) * std::sqrt(1 - 0.2 * t) + neck_w * t;
}

// The cell of a balloon between meridians a and b (-1 to 1, as sines of
// the angle round the balloon) and heights y0 to y1.
Ring gore(double cx, double cy, double r, double neck_y, double neck_w, double a, double b, double y0, double y1) {
    Ring ring;
    const int n = 24;
    for (int i = 0; i <= n; ++i) {
        const double y = y0 + (y1 - y0) * i / n;
        ring.push_back({cx + b * half_width(cy, r, neck_y, neck_w, y), y});
    }
    for (int i = n; i >= 0; --i) {
        const double y = y0 + (y1 - y0) * i / n;
        ring.push_back({cx + a * half_width(cy, r, neck_y, neck_w, y), y});
    }
    return ring;
}

void balloon(Scene& s, double cx, double cy, double r, const int* colours, int gores, const int* bands, int band_count) {
    const double neck_y = cy - r * 1.25, neck_w = r * 0.28;
    const double top = cy + r;
    // Horizontal bands from the neck up; the last reaches the top.
    const double cuts[4] = {neck_y, cy - r * 0.55, cy + r * 0.35, top};
    int cell = 0;
    for (int band = 0; band < band_count; ++band) {
        const int n = bands[band];
        const double y0 = band_count == 1 ? neck_y : cuts[band];
        const double y1 = band_count == 1 ? top : (band + 1 == band_count ? top : cuts[band + 1]);
        for (int k = 0; k < n; ++k) {
            const double a = -1 + 2.0 * k / n, b = -1 + 2.0 * (k + 1) / n;
            s.new_group();
            s.fill(colours[cell++], gore(cx, cy, r, neck_y, neck_w, a, b, y0, y1));
        }
    }
    (void)gores;
    s.no_group();
    // Ropes and basket.
    const double by = neck_y - r * 0.45;
    s.stroke(kBrown, {{cx - neck_w, neck_y}, {cx - neck_w * 0.8, by}}, 1.2);
    s.stroke(kBrown, {{cx + neck_w, neck_y}, {cx + neck_w * 0.8, by}}, 1.2);
    s.rrect(kBrown, cx - neck_w * 1.1, by - r * 0.42, cx + neck_w * 1.1, by, 1.2);
}

}  // namespace

void picture04(Scene& s, bool detailed) {
    s.background(kSky);
    s.cut(kSky, CutStyle::bands(3.5, 0.8, 32));
    s.star(kLime, 88, 84, 10, 7.5, 12);
    s.circle(kLime, 88, 84, 7.5);
    cloud(s, kCloud, 8, 40, 9, false);
    cloud(s, kCloud, 70, 42, 9, false);
    cloud(s, kCloud, 40, 86, 8, false);
    cloud(s, kCloud, 92, 58, 7, false);
    // Fields, back to front.
    ground(s, kTan, {20, 22, 21, 19, 21});
    ground(s, kLime, {15, 16, 14, 15, 13});
    ground(s, kBrown, {9, 8, 10, 8, 10});
    s.fill(kTan, poly_ring({30, -1, 55, -1, 52, 15, 36, 15}));
    if (detailed) {
        const int small[4] = {kLilac, kRed, kSalmon, kLilac};
        const int one[1] = {4};
        balloon(s, 22, 72, 11, small, 4, one, 1);
        const int big[26] = {kPurple, kLilac, kPurple, kSalmon, kPurple, kLilac, kPurple,                    // skirt
                             kPurple, kSalmon, kPurple, kRed, kPurple, kRed, kPurple, kSalmon, kPurple,     // lower
                             kLilac, kPurple, kSalmon, kPurple, kRed, kPurple, kSalmon, kPurple, kLilac,    // middle
                             kPurple};                                                                      // cap
        const int bands[4] = {7, 9, 9, 1};
        balloon(s, 56, 64, 20, big, 26, bands, 4);
    } else {
        const int small[4] = {kLilac, kRed, kSalmon, kLilac};
        const int one[1] = {4};
        balloon(s, 22, 72, 11, small, 4, one, 1);
        const int big[7] = {kLilac, kRed, kSalmon, kPurple, kSalmon, kRed, kLilac};
        const int seven[1] = {7};
        balloon(s, 56, 64, 20, big, 7, seven, 1);
    }
}
