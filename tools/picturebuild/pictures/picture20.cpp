// Picture 20: a friendly dinosaur among palm trees and flowers.
#include "motifs.h"

namespace {

enum {
    kSky = 1,      // pale blue
    kLime = 2,     // light lime: belly, spots, hills
    kGreen = 3,    // palm leaves, grass
    kTrunk = 4,    // brown palm trunks
    kDino = 5,     // bright green
    kSun = 6,      // yellow
    kPurple = 7,   // flowers
    kMagenta = 8,  // flowers
    kPlate = 9,    // golden back plates
    kEye = 10,
};

void palm(Scene& s, double x, double y, double h, bool separate) {
    s.fill(kTrunk, Path().M(x - 2, y).C(x - 1, y + h * 0.5, x + 1, y + h * 0.8, x + 2, y + h).L(x + 4.5, y + h).C(x + 3, y + h * 0.7, x + 2, y + h * 0.4, x + 2.6, y).ring());
    const double top_x = x + 3.2, top_y = y + h;
    const double fronds[4] = {20, 70, 110, 160};
    for (double a : fronds) {
        if (separate) s.new_group();
        s.fill(kGreen, rotated(Path().M(top_x, top_y).C(top_x + 4, top_y + 7, top_x + 11, top_y + 7, top_x + 16, top_y)
                                   .C(top_x + 11, top_y - 1.5, top_x + 4, top_y - 1.5, top_x, top_y).ring(),
                               {top_x, top_y}, a - 90 + (a > 90 ? 90 : 0)));
    }
    s.no_group();
}

}  // namespace

void picture20(Scene& s, bool detailed) {
    s.background(kSky);
    s.cut(kSky, CutStyle::bands(3.5, 0.8, 32));
    // The sun with a ring of light, in rays when detailed.
    s.circle(kSun, 14, 80, 7);
    s.new_group();
    s.fill(kSun, std::vector<Ring>{ellipse_ring(14, 80, 11.5, 11.5), ellipse_ring(14, 80, 7, 7)});
    s.no_group();
    s.cut_at(kSun, 14, 90, CutStyle::rays(14, 80, 60));
    s.cut(kGreen, CutStyle::bands(2.5, 0.5, 30));
    s.cut(kLime, CutStyle::bands(3, 0.6, 30));
    ground(s, kLime, {40, 46, 42, 48, 44});
    ground(s, kGreen, {22, 24, 20, 23, 22});
    palm(s, 10, 30, 34, detailed);
    palm(s, 86, 34, 30, detailed);
    // Flowers in the grass.
    const double flowers[9][3] = {{10, 10, kPurple}, {30, 6, kMagenta}, {62, 8, kPurple}, {90, 12, kMagenta}, {78, 4, kPurple},
                                  {4, 2, kPurple}, {46, 4, kPurple}, {96, 4, kMagenta}, {22, 16, kPurple}};
    for (int k = 0; k < (detailed ? 9 : 6); ++k) s.star(static_cast<int>(flowers[k][2]), flowers[k][0], flowers[k][1], 4.2, 3, 5);
    // The dinosaur: back plates, tail, body, legs, neck and head.
    for (int k = 0; k < 3; ++k) {
        const double x = 48 + k * 8.5, y = 44 - k * 0.5;
        s.new_group();
        s.ellipse(kPlate, x, y + 1, 4.2, 6.5);
        s.no_group();
    }
    // Tail, body, legs, neck and head: one piece in the simple picture;
    // parts of their own, neck and tail in stripes, when detailed.
    auto part = [&] {
        if (detailed) s.new_group();
    };
    s.new_group();
    s.fill(kDino, Path().M(68, 30).C(80, 28, 92, 22, 98, 14).C(90, 20, 80, 22, 68, 22).ring());
    part();
    s.ellipse(kDino, 52, 32, 20, 12);
    part();
    s.rect(kDino, 36, 14, 44, 25);
    part();
    s.rect(kDino, 56, 14, 64, 25);
    part();
    s.fill(kDino, Path().M(34, 34).C(30, 44, 28, 56, 30, 60).L(40, 60).C(38, 54, 40, 44, 44, 38).ring());
    part();
    s.ellipse(kDino, 32, 64, 9, 6);
    s.no_group();
    if (detailed) {
        s.cut_at(kDino, 86, 22, CutStyle::stripes(), 3);
        s.cut_at(kDino, 36, 50, CutStyle::stripes(), 3);
        s.cut_at(kDino, 52, 41, CutStyle::rays(52, 30, 90), 2);
    }
    s.ellipse(kLime, 48, 28, 12, 6, -10);
    for (const double* sp : {(const double[]){60, 38}, (const double[]){66, 31}}) s.circle(kLime, sp[0], sp[1], 2.6);
    s.circle(kEye, 30, 66, 2.4);
}
