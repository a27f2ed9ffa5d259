// Picture 8: a birthday cake with candles, strawberries and icing.
#include "motifs.h"

namespace {

enum {
    kMint = 1,     // the wall
    kCloth = 2,    // pale blue-grey: plate and tablecloth
    kBottom = 3,   // khaki: bottom tier
    kMiddle = 4,   // light tan: middle tier
    kTop = 5,      // sand: top tier
    kCandle = 6,   // orange-red
    kIcing = 7,    // pink-red
    kBerry = 8,    // red
    kFlame = 9,    // yellow
};

// A tier with a wavy icing rim along its top.
void tier(Scene& s, int colour, double x0, double x1, double y0, double y1, int drips, bool detailed) {
    s.rect(colour, x0, y0, x1, y1);
    const double w = (x1 - x0) / drips;
    for (int k = 0; k < drips; ++k) {
        if (detailed) s.new_group();
        const double a = x0 + k * w;
        s.fill(kIcing, Path().M(a, y1 + 2).L(a + w, y1 + 2).L(a + w, y1 - 1.5).Q(a + w / 2, y1 - 8, a, y1 - 1.5).ring());
    }
    s.no_group();
}

}  // namespace

void picture08(Scene& s, bool detailed) {
    s.background(kMint);
    // Table and plate.
    s.rect(kCloth, -1, -1, 101, 14);
    s.ellipse(kCloth, 50, 16, 42, 5);
    tier(s, kBottom, 14, 86, 14, 36, detailed ? 6 : 4, detailed);
    tier(s, kMiddle, 22, 78, 36, 54, detailed ? 5 : 3, detailed);
    tier(s, kTop, 30, 70, 54, 68, detailed ? 4 : 2, detailed);
    // Berries on the tiers.
    const double berries[19][2] = {{20, 21}, {30, 26}, {40, 21}, {50, 26}, {60, 21}, {70, 26}, {80, 21}, {28, 40},
                                   {38, 45}, {50, 40}, {62, 45}, {72, 40}, {35, 58}, {45, 61}, {55, 58}, {65, 61},
                                   {9, 72}, {92, 72}, {6, 86}};
    for (const auto& b : berries) s.circle(kBerry, b[0], b[1], 2.5);
    if (detailed)
        for (double x : {6.0, 94.0, 30.0, 70.0}) s.circle(kBerry, x, 6, 2.5);
    // Candles with flames, and the little ones beside them.
    for (double x : {40.0, 60.0}) {
        s.rect(kCandle, x - 2.5, 68, x + 2.5, 80);
        s.fill(kFlame, Path().M(x, 81).C(x + 4, 84, x + 2, 88, x, 91).C(x - 2, 88, x - 4, 84, x, 81).ring());
    }
    // Confetti on the wall.
    const double confetti[8][2] = {{12, 88}, {88, 86}, {24, 80}, {76, 80}, {52, 92}, {28, 90}, {70, 91}, {94, 44}};
    for (int k = 0; k < (detailed ? 8 : 5); ++k) s.circle(kCandle, confetti[k][0], confetti[k][1], 2.5);
    const double dots[6][2] = {{7, 54}, {93, 56}, {8, 36}, {92, 30}, {7, 72}, {93, 72}};
    for (int k = 0; k < (detailed ? 6 : 4); ++k) s.circle(kIcing, dots[k][0], dots[k][1], 2.8);
}
