// Picture 18: a happy piglet by a muddy puddle, with clouds overhead.
#include "motifs.h"

namespace {

enum {
    kSky = 1,      // pale blue
    kCloud = 2,    // light periwinkle
    kGrass = 3,    // olive green
    kMud = 4,      // taupe
    kPuddle = 5,   // pale cyan
    kPig = 6,      // peach
    kPink = 7,     // salmon: snout, ears, trotters, tail
    kEye = 10,
};

}  // namespace

void picture18(Scene& s, bool detailed) {
    s.background(kSky);
    s.cut(kSky, CutStyle::bands(3.5, 0.8, 32));
    cloud(s, kCloud, 16, 82, 10, detailed);
    cloud(s, kCloud, 56, 86, 8, false);
    cloud(s, kCloud, 88, 74, 8, detailed);
    ground(s, kGrass, {40, 44, 42, 46, 42});
    s.ellipse(kMud, 30, 14, 28, 9);
    s.ellipse(kMud, 82, 12, 16, 6);
    if (detailed) {
        s.ellipse(kMud, 56, 6, 8, 3.2);
        s.ellipse(kMud, 92, 6, 8, 3.2);
        s.ellipse(kMud, 70, 6, 7, 3.2);
    }
    const double puddles[9][4] = {{22, 14, 9, 3.2}, {42, 12, 6, 2.6}, {82, 12, 7, 2.6}, {12, 10, 4.4, 2.2}, {8, 18, 3.4, 1.8},
                                  {32, 8, 4, 1.8}, {56, 6, 4, 1.8}, {92, 6, 4, 1.8}, {70, 6, 4, 1.8}};
    for (int k = 0; k < (detailed ? 9 : 4); ++k) s.ellipse(kPuddle, puddles[k][0], puddles[k][1], puddles[k][2], puddles[k][3]);
    // The piglet: curly tail, the far legs, body, near legs, head, round
    // ears flopping forward, the snout. When detailed, the tail is in two
    // and the body in four.
    s.new_group();
    s.stroke(kPig, Path().M(80, 32).C(86, 31, 90, 34, 88, 37.5).C(86, 41, 90, 43, 93.5, 40).line(), detailed ? 2.8 : 4.0);
    if (detailed) {
        for (double x : {48.5, 70.5}) {
            s.new_group();
            s.rrect(kPig, x - 2.8, 14, x + 2.8, 26, 1.2);
        }
        s.no_group();
    }
    s.no_group();
    const double legs[4] = {44.0, 53.0, 66.0, 75.0};
    for (double x : legs) s.rrect(kPink, x - 3.2, 12, x + 3.2, 17, 1.2);
    s.new_group();
    s.ellipse(kPig, 60, 34, 22, 13);
    for (double x : legs) {
        if (detailed) s.new_group();
        s.rect(kPig, x - 3, 16, x + 3, 28);
    }
    s.new_group();
    s.circle(kPig, 36, 44, 12);
    s.no_group();
    if (detailed) {
        s.cut_at(kPig, 92.5, 40.5, CutStyle::stripes(), 2);
        s.cut_at(kPig, 60, 24, CutStyle::fixed_bands(12, 4, true, 1), 4);
    }
    // Ears: rounded flaps tipping forward over the head.
    s.fill(kPink, Path().M(27.5, 51).C(23, 56, 22.5, 61, 25.5, 62.5).C(29, 63, 33, 58, 34.5, 54.5).C(32, 52, 29.5, 51, 27.5, 51).ring());
    s.fill(kPink, Path().M(41, 54.5).C(42.5, 59, 46.5, 63, 49.5, 61.5).C(51.5, 59.5, 49.5, 54.5, 45.5, 51).C(43.5, 51.5, 42, 52.5, 41, 54.5).ring());
    s.ellipse(kPink, 26, 40, 5, 4.2);
    if (detailed) {
        s.circle(kMud, 24.5, 40, 1.4);
        s.circle(kMud, 27.5, 40, 1.4);
    } else {
        s.ink({{24.5, 40}, {24.52, 40}}, 1.4);
        s.ink({{27.5, 40}, {27.52, 40}}, 1.4);
    }
    s.circle(kEye, 34, 47.5, 3.4);
    s.ink({{35.7, 46.7}, {35.72, 46.7}}, 1.6);
    s.ink(Path().M(29.5, 35.8).Q(32, 34.3, 34.5, 35.8).line(), 0.45);  // a smile
    if (detailed) {
        const double spots[8][3] = {{46, 29, 2.6}, {58, 40, 3}, {57, 27, 2.6}, {69, 36, 3.2},
                                    {70, 26, 2.4}, {79, 33, 2.4}, {58, 33.5, 1.9}, {47, 37, 1.9}};
        for (const auto& sp : spots) s.circle(kMud, sp[0], sp[1], sp[2]);
    }
}
