// Picture 6: a clown with a pointed hat, curly hair and a bow tie.
#include "motifs.h"

namespace {

enum {
    kSkin = 1,     // peach: face, ears, the wall behind
    kBlue = 2,     // shirt, pupils
    kHair = 3,     // rust
    kHat = 4,      // ochre
    kRed = 5,      // nose, mouth
    kGold = 6,     // light ochre: pom-pom, hat dots
    kBrown = 7,    // eyebrows, bow tie, braces
    kCollar = 8,   // beige
    kCheek = 9,    // pink
    kEye = 10,
};

}  // namespace

void picture06(Scene& s, bool detailed) {
    s.background(kSkin);
    // The wall behind shines in rays around the head; the face stays whole.
    s.cut(kSkin, detailed ? CutStyle::rays(50, 43, 90) : CutStyle::rays(50, 43, 45));
    s.whole_at(kSkin, 50, 30);
    // A hat with stripes from its tip, a shirt with stripes down.
    s.cut(kHat, CutStyle::rays(52, 90, 270));
    s.cut(kBlue, CutStyle::bands(6, 0, 30, 0, 90));
    // Shirt with braces.
    s.fill(kBlue, Path().M(10, -1).L(14, 14).C(20, 22, 80, 22, 86, 14).L(90, -1).ring());
    s.fill(kBrown, poly_ring({32, 3, 38, 3, 40, 18, 34, 18}));
    s.fill(kBrown, poly_ring({62, 3, 68, 3, 66, 18, 60, 18}));
    if (detailed) {
        s.circle(kGold, 50, 12, 2.6);
        s.circle(kGold, 50, 5, 2.6);
    }
    // Curly hair on both sides.
    const double curls[7][3] = {{24, 44, 7}, {20, 54, 6.5}, {25, 33, 6}, {76, 44, 7}, {80, 54, 6.5}, {75, 33, 6}, {50, 68, 6}};
    for (int k = 0; k < 7; ++k) {
        if (detailed || k != 1) s.new_group();  // in the simple picture the left side's two curls are one
        s.circle(kHair, curls[k][0], curls[k][1], curls[k][2]);
    }
    if (detailed) {
        const double more[11][3] = {{16, 46, 4.5}, {15, 36, 4}, {19, 27, 4}, {84, 46, 4.5}, {85, 36, 4}, {81, 27, 4},
                                    {29, 60, 4.5}, {71, 60, 4.5}, {42, 66, 4}, {58, 66, 4}, {33, 24, 3.6}};
        for (const auto& c : more) {
            s.new_group();
            s.circle(kHair, c[0], c[1], c[2]);
        }
    }
    s.no_group();
    // Ears and face.
    s.ellipse(kSkin, 28, 42, 4.5, 6);
    s.ellipse(kSkin, 72, 42, 4.5, 6);
    s.new_group();
    s.ellipse(kSkin, 50, 43, 21, 22);
    s.no_group();
    // Collar ruffle and bow tie.
    s.new_group();
    s.fill(kCollar, Path().M(28, 20).C(34, 13, 46, 15, 50, 22).C(44, 27, 34, 27, 28, 20).ring());
    s.new_group();
    s.fill(kCollar, Path().M(72, 20).C(66, 13, 54, 15, 50, 22).C(56, 27, 66, 27, 72, 20).ring());
    s.no_group();
    s.poly(kBrown, {50, 20, 39, 26, 39, 14});
    s.poly(kBrown, {50, 20, 61, 26, 61, 14});
    if (detailed) s.circle(kRed, 50, 20, 2.6);
    // Hat with a pom-pom and dots.
    s.poly(kHat, {30, 60, 70, 60, 52, 88});
    s.circle(kGold, 52, 88.5, 4.5);
    for (const double* d : {(const double[]){44, 65}, (const double[]){56, 66}, (const double[]){51, 76}}) s.circle(kGold, d[0], d[1], 2.6);
    // Eyes, brows, cheeks, nose and smile.
    for (double x : {41.0, 59.0}) {
        s.ellipse(kEye, x, 48, 5, 6);
        s.circle(kBlue, x + 0.8, 47, 2.6);
        s.ink(Path().M(x - 5.5, 56).Q(x, 61.5, x + 5.5, 56.5).line(), 1.0);  // a raised eyebrow
        s.circle(kCheek, x + (x < 50 ? -7 : 7), 37, 3.8);
    }
    s.circle(kRed, 50, 40, 5);
    s.fill(kRed, Path().M(37, 31).C(42, 22, 58, 22, 63, 31).C(56, 27, 44, 27, 37, 31).ring());
}
