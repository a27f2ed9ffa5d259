// Picture 8: a birthday cake with candles, strawberries and icing.
#include <vector>

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

// A tier of upright panels, each a region of its own, with a wavy icing
// rim along its top. Berries sit on every other seam between the panels,
// or in the middle of each panel when there are few.
void tier(Scene& s, int colour, double x0, double x1, double y0, double y1, int panels, int drips, bool detailed,
          double berry_y) {
    const double pw = (x1 - x0) / panels;
    for (int k = 0; k < panels; ++k) {
        s.new_group();
        s.rect(colour, x0 + k * pw, y0, x0 + (k + 1) * pw, y1);
    }
    const double w = (x1 - x0) / drips;
    for (int k = 0; k < drips; ++k) {
        if (detailed) s.new_group();
        const double a = x0 + k * w;
        s.fill(kIcing, Path().M(a, y1 + 2).L(a + w, y1 + 2).L(a + w, y1 - 1.5).Q(a + w / 2, y1 - 8, a, y1 - 1.5).ring());
    }
    s.no_group();
    if (panels >= 6) {
        for (int k = 1; k < panels; k += 2) s.circle(kBerry, x0 + k * pw, berry_y + (k % 4 == 1 ? 0 : 4), 2.4);
    } else if (panels > 1) {
        for (int k = 0; k < panels; ++k) s.circle(kBerry, x0 + (k + 0.5) * pw, berry_y + (k % 2 ? 4 : 0), 2.5);
    } else {
        for (double x : {-0.3, 0.0, 0.3}) s.circle(kBerry, (x0 + x1) / 2 + x * (x1 - x0), berry_y + (x == 0 ? 0 : 3), 2.5);
    }
}

}  // namespace

void picture08(Scene& s, bool detailed) {
    // Striped wallpaper: eight stripes, or ten cut into lengths, with the
    // dots in the middle of the stripes.
    if (detailed) {
        s.background(kMint);
        s.cut(kMint, CutStyle::fixed_bands(10, 0, true, 2.2));
    } else {
        for (int k = 0; k < 8; ++k) {
            s.new_group();
            s.rect(kMint, k * 12.5 - (k == 0), -1, (k + 1) * 12.5 + (k == 7), 95);
        }
        s.no_group();
    }
    s.cut(kCloth, CutStyle::bands(2, 0, 30, 0, 90));
    // Table and plate.
    s.rect(kCloth, -1, -1, 101, 14);
    s.ellipse(kCloth, 50, 16, 42, 5);
    tier(s, kBottom, 14, 86, 14, 36, detailed ? 12 : 5, detailed ? 6 : 4, detailed, 21);
    tier(s, kMiddle, 22, 78, 36, 54, detailed ? 10 : 3, detailed ? 5 : 3, detailed, 41);
    tier(s, kTop, 30, 70, 54, 68, detailed ? 7 : 1, detailed ? 4 : 2, detailed, 58);
    // Candles with flames.
    for (double x : {40.0, 60.0}) {
        s.rect(kCandle, x - 2.5, 68, x + 2.5, 80);
        s.fill(kFlame, Path().M(x, 81).C(x + 4, 84, x + 2, 88, x, 91).C(x - 2, 88, x - 4, 84, x, 81).ring());
    }
    // Strawberries on the cloth; strawberries, confetti and dots on the wall.
    for (double x : {6.0, 30.0, 70.0, 94.0}) s.circle(kBerry, x, 6, 2.5);
    struct Dot {
        int colour;
        double x, y;
    };
    const std::vector<Dot> simple_dots{
        {kBerry, 6.25, 72}, {kBerry, 93.75, 72}, {kBerry, 6.25, 88},  {kBerry, 93.75, 88}, {kCandle, 18.75, 88},
        {kCandle, 81.25, 88}, {kCandle, 31.25, 84}, {kCandle, 68.75, 84}, {kCandle, 50, 91}, {kIcing, 6.25, 50},
        {kIcing, 93.75, 50}, {kIcing, 6.25, 30}, {kIcing, 93.75, 30}};
    const std::vector<Dot> detailed_dots{
        {kBerry, 5, 72},   {kBerry, 95, 72},  {kBerry, 5, 86},    {kCandle, 15, 90}, {kCandle, 85, 90},
        {kCandle, 25, 84}, {kCandle, 75, 84}, {kCandle, 5, 58},   {kCandle, 95, 58}, {kCandle, 50, 91},
        {kCandle, 5, 42},  {kIcing, 15, 76},  {kIcing, 85, 76},   {kIcing, 5, 26},   {kIcing, 95, 28},
        {kIcing, 25, 92},  {kIcing, 75, 92}};
    for (const Dot& d : detailed ? detailed_dots : simple_dots) s.circle(d.colour, d.x, d.y, d.colour == kIcing ? 2.8 : 2.5);
}
