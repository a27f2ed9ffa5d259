// Picture 17: a snowman on a winter evening, a fence and the moon.
#include <cmath>

#include "motifs.h"

namespace {

enum {
    kMoon = 1,     // cream: the moon, stars
    kSnow = 2,     // pale blue-grey snow
    kSky = 3,      // pale mint
    kWool = 4,     // periwinkle hat and scarf
    kFence = 5,    // tan
    kCoal = 6,     // taupe eyes and buttons
    kTwig = 7,     // olive brown arms
    kCarrot = 8,   // peach nose, mittens
    kWhite = 10,   // the snowman's three balls
};

}  // namespace

void picture17(Scene& s, bool detailed) {
    s.background(kSky);
    s.cut(kSky, CutStyle::bands(3.5, 0.8, 32));
    s.cut(kSnow, CutStyle::bands(3, 0.6, 30));
    s.circle(kMoon, 84, 80, 8);
    if (detailed) {
        const double stars[15][2] = {{10, 86}, {24, 78}, {38, 88}, {52, 82}, {66, 90}, {14, 66}, {30, 62}, {70, 70},
                                     {92, 64}, {58, 68}, {6, 74}, {46, 72}, {96, 88}, {76, 58}, {20, 54}};
        for (const auto& st : stars) s.star(kMoon, st[0], st[1], 3.2, 1.6, 5);
    }
    // The fence behind, snow hills in front of it.
    const double boards[10] = {1, 8, 15, 22, 29, 65, 72, 79, 86, 93};
    if (!detailed) s.rect(kFence, -1, 36, 34, 41);
    for (int k = 0; k < (detailed ? 10 : 5); ++k) {
        const double x = boards[k];
        if (detailed) s.new_group();
        s.poly(kFence, {x, 30, x + 5.4, 30, x + 5.4, 46, x + 2.7, 49, x, 46});
    }
    s.no_group();
    ground(s, kSnow, {34, 30, 32, 28, 34});
    s.fill(kSnow, Path().M(-1, 18).C(20, 24, 40, 16, 60, 20).C(80, 24, 90, 16, 101, 18).L(101, -1).L(-1, -1).ring());
    // Arms with mittens, then the three balls.
    const double arm = detailed ? 2.8 : 4.2;
    s.stroke(kTwig, {{36, 42}, {26, 50}, {20, 56}}, arm);
    s.stroke(kTwig, {{64, 42}, {74, 50}, {80, 56}}, arm);
    s.circle(kCarrot, 18.5, 57.5, 3.2);
    s.circle(kCarrot, 81.5, 57.5, 3.2);
    s.new_group();
    s.circle(kWhite, 50, 20, 15);
    s.new_group();
    s.circle(kWhite, 50, 43, 11);
    s.new_group();
    s.circle(kWhite, 50, 61, 8.5);
    s.no_group();
    // Scarf and hat.
    s.fill(kWool, Path().M(40, 54).C(46, 51, 54, 51, 60, 54).L(60, 57).C(54, 55, 46, 55, 40, 57).ring());
    s.rect(kWool, 52, 44, 57, 55);
    s.rect(kWool, 40, 67, 60, 70);
    s.rect(kWool, 43, 69, 57, 82);
    // Face and buttons.
    s.circle(kCoal, 46.5, 63.5, 2.1);
    s.circle(kCoal, 53.5, 63.5, 2.1);
    s.poly(kCarrot, {49, 62.3, 49, 56.7, 59.5, 59});
    for (double y : {46.0, 38.0, 24.0}) s.circle(kCoal, 50, y, 2.1);
}
