// Picture 19: a bear with a honey pot at the edge of the forest.
#include "motifs.h"

namespace {

enum {
    kSky = 1,
    kPine = 2,     // dark green fir trees
    kGreen = 3,    // green: meadow, bushes
    kBark = 4,     // dark brown: trunks, nose, eyes
    kBear = 5,     // brown
    kPath = 6,     // sand
    kMuzzle = 7,   // ochre: muzzle, ears, belly
    kPot = 8,      // peach honey pot
    kHoney = 9,    // yellow: honey, the sun
};

void fir(Scene& s, double x, double y, double h, int tiers, bool separate) {
    if (separate) s.rect(kBark, x - h * 0.08, y - h * 0.12, x + h * 0.08, y + h * 0.1);
    for (int k = 0; k < tiers; ++k) {
        if (separate) s.new_group();
        const double b = y + k * h * 0.8 / tiers, t = b + h * 0.5;
        const double w = h * 0.4 * (1 - 0.22 * k);
        s.poly(kPine, {x - w, b, x + w, b, x, t});
    }
    s.no_group();
}

}  // namespace

void picture19(Scene& s, bool detailed) {
    s.background(kSky);
    s.cut(kSky, CutStyle::bands(3.5, 0.8, 32));
    s.cut(kGreen, CutStyle::bands(3, 0.6, 30));
    s.cut(kPath, CutStyle::stripes());              // stepping stones along the path
    s.cut(kPot, CutStyle::bands(3, 0, 30, 0));       // rings round the pot
    s.cut(kMuzzle, CutStyle::rays(30, 20, 45));      // the belly in four
    if (detailed) {
        s.cut_at(kBear, 30, 9, CutStyle::rays(30, 20, 90), 5);   // tufts of fur round the belly
        s.cut_at(kBear, 30, 51, CutStyle::rays(30, 44, 90), 3);  // the head round its face
    }
    // The sun with a ring of light round it.
    s.circle(kHoney, 86, 81, 6.5);
    s.new_group();
    s.fill(kHoney, std::vector<Ring>{ellipse_ring(86, 81, 11, 11), ellipse_ring(86, 81, 6.5, 6.5)});
    s.no_group();
    ground(s, kGreen, {50, 54, 52, 54, 50});
    // Fir trees along the back.
    const double firs[7][2] = {{6, 40}, {21, 44}, {35, 46}, {65, 46}, {79, 44}, {94, 42}, {50, 44}};
    for (int k = 0; k < 7; ++k) fir(s, firs[k][0], firs[k][1], k == 6 ? 30 : 28, detailed ? (k < 3 ? 3 : 2) : 1, detailed);
    // The path winding to the front.
    s.fill(kPath, Path().M(40, 40).C(30, 30, 60, 20, 50, -1).L(74, -1).C(78, 20, 48, 30, 52, 40).ring());
    // The bear: body, head, ears, arms, legs.
    s.new_group();
    s.ellipse(kBear, 30, 22, 13, 15);
    s.new_group();
    s.circle(kBear, 30, 44, 10);
    s.new_group();
    s.circle(kBear, 22, 52, 4.2);
    s.new_group();
    s.circle(kBear, 38, 52, 4.2);
    s.new_group();
    s.ellipse(kBear, 18, 8, 7, 4.5);
    s.new_group();
    s.ellipse(kBear, 42, 8, 7, 4.5);
    s.no_group();
    s.circle(kMuzzle, 22, 52, 2.2);
    s.circle(kMuzzle, 38, 52, 2.2);
    s.ellipse(kMuzzle, 30, 40, 5.5, 4.2);
    s.ellipse(kMuzzle, 30, 20, 8, 9);
    s.ellipse(kBark, 30, 42.5, 3, 2.3);
    s.circle(kBark, 26, 47, 2.1);
    s.circle(kBark, 34, 47, 2.1);
    s.ellipse(kBark, 30, 36.6, 3, 2.0);
    // The honey pot with honey on top.
    s.fill(kPot, Path().M(70, 4).C(62, 10, 62, 22, 68, 26).L(80, 26).C(86, 22, 86, 10, 78, 4).ring());
    s.fill(kHoney, Path().M(66, 26).C(68, 30, 80, 30, 82, 26).C(82, 23, 78, 24, 77, 20).C(76, 24, 70, 22, 66, 26).ring());
    if (detailed) {
        s.circle(kHoney, 60, 30, 2.4);
        s.ellipse(kBear, 42, 26, 5, 3.4, 30);
        s.ellipse(kBear, 18, 26, 5, 3.4, -30);
        s.rrect(kBark, 84, 30, 99, 35, 2.5);
    }
}
