#include "import_page_checks.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "digit_glyphs.h"
#include "distance.h"
#include "game/page_info.h"
#include "picture_frame.h"
#include "variant_limits.h"

const DigitGlyphs& import_glyphs() {
    static const DigitGlyphs g(PINTABO_FONT_REGULAR);
    return g;
}

// Inside or on the edge of one of the triangles.
bool inside(const std::vector<Pt>& tris, Pt p) {
    for (size_t k = 0; k + 2 < tris.size(); k += 3) {
        const Pt a = tris[k], b = tris[k + 1], c = tris[k + 2];
        const double d1 = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
        const double d2 = (c.x - b.x) * (p.y - b.y) - (c.y - b.y) * (p.x - b.x);
        const double d3 = (a.x - c.x) * (p.y - c.y) - (a.y - c.y) * (p.x - c.x);
        if ((d1 >= 0 && d2 >= 0 && d3 >= 0) || (d1 <= 0 && d2 <= 0 && d3 <= 0)) return true;
    }
    return false;
}

Samples sample(const BuiltPicture& pic, const WorkingPicture& work) {
    const Pt lo = frame::container_of_pixel(work.place.to_grid({0, 0}));
    const Pt hi = frame::container_of_pixel(work.place.to_grid({static_cast<double>(work.lab.w), static_cast<double>(work.lab.h)}));
    Samples s{lo.x, lo.y, static_cast<int>((hi.x - lo.x) / kStep), static_cast<int>((hi.y - lo.y) / kStep), {}};
    s.owner.assign(static_cast<size_t>(s.w) * s.h, -1);
    for (size_t r = 0; r < pic.regions.size(); ++r) {
        const std::vector<Pt>& t = pic.regions[r].triangles;
        for (size_t k = 0; k + 2 < t.size(); k += 3) {
            const double x0 = std::min({t[k].x, t[k + 1].x, t[k + 2].x}), x1 = std::max({t[k].x, t[k + 1].x, t[k + 2].x});
            const double y0 = std::min({t[k].y, t[k + 1].y, t[k + 2].y}), y1 = std::max({t[k].y, t[k + 1].y, t[k + 2].y});
            const std::vector<Pt> one(t.begin() + k, t.begin() + k + 3);
            for (int j = std::max(0, static_cast<int>((y0 - s.y0) / kStep) - 1); j < s.h && s.at(0, j).y <= y1; ++j)
                for (int i = std::max(0, static_cast<int>((x0 - s.x0) / kStep) - 1); i < s.w && s.at(i, 0).x <= x1; ++i) {
                    if (!inside(one, s.at(i, j))) continue;
                    int& o = s.owner[static_cast<size_t>(j) * s.w + i];
                    o = o == -1 ? static_cast<int>(r) : -2;
                }
        }
    }
    return s;
}

void expect_paintable(const ImportedVariant& v, const WorkingPicture& work) {
    ASSERT_FALSE(v.pic.regions.empty());
    const BuiltPicture& pic = v.pic;
    const Samples s = sample(pic, work);
    // The regions cover the picture's rectangle exactly once.
    int gaps = 0, overlaps = 0;
    for (size_t k = 0; k < s.owner.size(); ++k) {
        const int o = s.owner[k];
        gaps += o == -1;
        overlaps += o == -2;
        if (o < 0) ADD_FAILURE() << "at " << s.at(k % s.w, k / s.w).x << ", " << s.at(k % s.w, k / s.w).y;
    }
    EXPECT_EQ(gaps, 0);
    EXPECT_EQ(overlaps, 0);
    // Nothing lies outside it.
    for (const auto& reg : pic.regions)
        for (const Pt& p : reg.triangles) {
            ASSERT_GE(p.x, s.x0 - 1e-9);
            ASSERT_LE(p.x, s.x0 + s.w * kStep + kStep + 1e-9);
            ASSERT_GE(p.y, s.y0 - 1e-9);
            ASSERT_LE(p.y, s.y0 + s.h * kStep + kStep + 1e-9);
        }

    // Each region holds a circle as large as the variant's bound, measured
    // on the samples (to within two of them).
    const std::vector<float> d = inside_distance(s.owner, s.w, s.h);
    std::vector<float> radius(pic.regions.size(), 0);
    for (size_t k = 0; k < s.owner.size(); ++k)
        if (s.owner[k] >= 0) radius[s.owner[k]] = std::max(radius[s.owner[k]], d[k]);
    const double bound = std::max(min_circle_of(pic.detailed, import_glyphs()), pic.detailed ? 0.7 : 1.2);
    for (size_t r = 0; r < pic.regions.size(); ++r)
        EXPECT_GE(2 * radius[r] * kStep, bound - 2 * kStep) << pic.regions[r].name;

    // Every number, with its halo, lies inside its own region.
    for (size_t r = 0; r < pic.regions.size(); ++r) {
        const auto& reg = pic.regions[r];
        ASSERT_GE(reg.label_height, frame::min_digit) << reg.name;
        const double hw = import_glyphs().width(reg.colour) * reg.label_height / 2 + frame::digit_halo;
        const double hh = reg.label_height / 2 + frame::digit_halo;
        const Pt c = reg.label_centre;
        for (const Pt corner : {Pt{c.x - hw, c.y - hh}, Pt{c.x + hw, c.y - hh}, Pt{c.x - hw, c.y + hh}, Pt{c.x + hw, c.y + hh}, c})
            EXPECT_TRUE(inside(reg.triangles, corner)) << reg.name << "'s number reaches out of it";
        for (int j = 0; j < s.h; ++j)
            for (int i = 0; i < s.w; ++i) {
                const Pt p = s.at(i, j);
                if (std::abs(p.x - c.x) < hw && std::abs(p.y - c.y) < hh) {
                    ASSERT_EQ(s.owner[static_cast<size_t>(j) * s.w + i], static_cast<int>(r)) << reg.name << "'s number crosses a border";
                }
            }
    }

    // The record agrees with the regions, and the game takes the archive.
    EXPECT_EQ(v.info.variant.total, static_cast<int>(pic.regions.size()));
    EXPECT_GE(v.info.tubes, 5);
    const std::vector<unsigned char> bytes = archive_bytes(pic);
    const PageArchiveCheck check = check_page_archive(bytes.data(), bytes.size());
    EXPECT_EQ(check.error, "");
}


int Samples::owner_at(Pt p) const {
    const int i = static_cast<int>((p.x - x0) / kStep), j = static_cast<int>((p.y - y0) / kStep);
    if (i < 0 || j < 0 || i >= w || j >= h) return -1;
    return owner[static_cast<size_t>(j) * w + i];
}

Pt scene_point(const WorkingPicture& work, int w, int h, ScenePoint at) {
    const double px = at.x * w / 100.0 * work.lab.w / w, py = at.y * h / 75.0 * work.lab.h / h;
    return frame::container_of_pixel(work.place.to_grid({px, work.lab.h - py}));
}

bool drawn_line_at(const BuiltPicture& pic, Pt p) { return inside(pic.outline, p); }
