// Picture 2: two fish in the sea, with seaweed, rocks and a sandy floor.
#include <cmath>

#include "pictures.h"

namespace {

enum {
    kFin = 1,       // red-orange: tails and fins
    kFish = 2,      // orange: the fish
    kSand = 3,
    kStone = 4,     // taupe: rocks
    kRock = 5,      // brown: dark rocks
    kWeed = 6,      // light green: seaweed
    kKelp = 7,      // green: seaweed
    kWater = 8,     // light blue: upper water, bubbles
    kDeep = 9,      // blue: deep water, the small fish's eye
    kWhite = 10,    // the big fish's eye
};

void fish(Scene& s, double x, double y, double len, bool big, bool detailed) {
    const double h = len * 0.62;
    // Tail first, then the body over it.
    s.fill(kFin, Path().M(x - len * 0.35, y).L(x - len * 0.8, y + h * 0.55).Q(x - len * 0.68, y, x - len * 0.8, y - h * 0.55).L(x - len * 0.35, y).ring());
    if (big && detailed) s.fill(kFin, Path().M(x - len * 0.15, y + h * 0.3).Q(x, y + h * 0.95, x + len * 0.22, y + h * 0.35).L(x - len * 0.15, y + h * 0.3).ring());
    s.ellipse(kFish, x, y, len / 2, h / 2);
    if (big) {
        s.circle(kWhite, x + len * 0.25, y + h * 0.1, len * 0.1);
    } else {
        s.circle(kDeep, x + len * 0.25, y + h * 0.08, detailed ? 1.8 : 2.3);
    }
}

// A wavy frond, wide at the foot and narrowing to a rounded tip.
void weed(Scene& s, int colour, double x, double y0, double height, double sway, double width) {
    Ring left, right;
    const int n = 24;
    for (int i = 0; i <= n; ++i) {
        const double t = static_cast<double>(i) / n;
        const double cx = x + sway * std::sin(t * 7.0), cy = y0 + height * t;
        const double half = width / 2 * (1 - 0.55 * t);
        left.push_back({cx - half, cy});
        right.push_back({cx + half, cy});
    }
    Ring ring(right.begin(), right.end());
    ring.push_back({x + sway * std::sin(7.0), y0 + height + width * 0.25});
    ring.insert(ring.end(), left.rbegin(), left.rend());
    s.fill(colour, ring);
}

}  // namespace

void picture02(Scene& s, bool detailed) {
    s.background(kWater);
    s.cut(kWater, CutStyle::bands(3, 1.4, 16));
    s.cut(kDeep, CutStyle::bands(3, 1.4, 16));
    s.fill(kDeep, Path().M(-1, 50).C(20, 56, 40, 44, 60, 50).C(75, 54, 90, 46, 101, 49).L(101, -1).L(-1, -1).ring());
    // Sandy floor.
    s.fill(kSand, Path().M(-1, 19).C(15, 25, 30, 23, 45, 18).C(60, 14, 80, 22, 101, 19).L(101, -1).L(-1, -1).ring());
    // Seaweed, light and dark.
    weed(s, kKelp, 7, 8, 36, 2.5, 6.5);
    weed(s, kWeed, 17, 10, 26, -2, 6);
    weed(s, kKelp, 41, 9, 22, 2, 5.5);
    weed(s, kWeed, 52, 8, 28, 2, 6);
    weed(s, kKelp, 66, 8, 34, -2.5, 6.5);
    weed(s, kWeed, 93, 10, 32, 2.5, 6.5);
    weed(s, kKelp, 82, 10, 24, 2, 5.5);
    weed(s, kWeed, 31, 9, 20, -1.5, 5.5);
    // Rocks on the floor, pebbles between them.
    const double rocks[5][4] = {{12, 9, 8.5, kStone}, {29, 7, 7, kRock}, {51, 8, 7.5, kStone}, {73, 8, 8.5, kRock}, {93, 7, 7, kStone}};
    for (const auto& r : rocks) s.ellipse(static_cast<int>(r[3]), r[0], r[1], r[2], r[2] * 0.7);
    if (detailed) {
        const double pebbles[9][4] = {{21, 3.2, 2.6, kRock},  {40, 3.2, 2.7, kStone}, {62, 3.2, 2.7, kRock},
                                      {47, 18, 2.6, kStone}, {3, 16, 2.6, kRock},    {36, 17, 2.6, kRock},
                                      {59, 15.5, 2.6, kStone}, {87, 18, 2.6, kRock},  {100, 17, 2.8, kStone}};
        for (const auto& p : pebbles) s.circle(static_cast<int>(p[3]), p[0], p[1], p[2]);
    }
    // Bubbles rise from the small fish through the deep water.
    const double bubbles[4][3] = {{37, 34, 2.6}, {42, 41, 2.3}, {80, 30, 2.6}, {84, 38, 2.3}};
    for (int k = 0; k < (detailed ? 4 : 2); ++k) s.circle(kWater, bubbles[k][0], bubbles[k][1], bubbles[k][2] + (detailed ? 0 : 0.5));
    fish(s, 56, 66, 34, true, detailed);
    fish(s, 24, 33, 22, false, detailed);
}
