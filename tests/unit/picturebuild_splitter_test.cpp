// The picture builder's area splitter on small drawn areas: every pattern
// must give exactly the pieces asked for, each one connected, large enough
// and still whole when the outline eats its rim; and each pattern must cut
// the way it promises (bands across, stripes along, rays around).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <vector>

#include "distance.h"
#include "label_ops.h"
#include "regions.h"
#include "splitter.h"

namespace {

constexpr int kW = 240, kH = 200;
constexpr double kPi = 3.14159265358979323846;

// Pixel indices of a kW x kH image where `inside` holds.
std::vector<int> area_of(const std::function<bool(int, int)>& inside) {
    std::vector<int> px;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            if (inside(x, y)) px.push_back(y * kW + x);
    return px;
}

SplitOptions options(Pattern pattern) {
    SplitOptions o;
    o.min_radius = 10;
    o.erode = 2;
    o.open = 4;
    o.pattern = pattern;
    return o;
}

// The split drawn into a full image: piece number + 1, 0 outside.
std::vector<int> drawn(const std::vector<int>& px, const SplitResult& r) {
    std::vector<int> img(kW * kH, 0);
    for (size_t k = 0; k < px.size(); ++k) img[px[k]] = r.piece[k] + 1;
    return img;
}

// Checks what every split must give: exactly `parts` pieces, each one
// 4-connected, holding a circle of the minimum radius, and still in one
// piece once the rim the outline covers is taken away.
void expect_good_pieces(const std::vector<int>& px, const SplitResult& r, int parts, const SplitOptions& o) {
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.piece.size(), px.size());
    std::set<int> labels(r.piece.begin(), r.piece.end());
    ASSERT_EQ(static_cast<int>(labels.size()), parts);
    EXPECT_EQ(*labels.begin(), 0);
    EXPECT_EQ(*labels.rbegin(), parts - 1);

    const std::vector<int> img = drawn(px, r);
    int count = 0;
    const std::vector<int> piece = connected_pieces(img, kW, kH, count);
    std::vector<std::set<int>> pieces_of(parts + 1);
    for (int p : px) pieces_of[img[p]].insert(piece[p]);
    for (int l = 1; l <= parts; ++l) EXPECT_EQ(pieces_of[l].size(), 1u) << "piece " << l - 1 << " is not connected";

    const std::vector<float> d = inside_distance(img, kW, kH);
    std::vector<float> radius(parts + 1, 0);
    for (int p : px) radius[img[p]] = std::max(radius[img[p]], d[p]);
    for (int l = 1; l <= parts; ++l) EXPECT_GE(radius[l], o.min_radius) << "piece " << l - 1 << " is too small";

    std::vector<int> core(img.size(), -1);
    for (int p : px)
        if (d[p] > o.erode) core[p] = img[p];
    const std::vector<int> core_piece = connected_pieces(core, kW, kH, count);
    std::vector<std::set<int>> cores_of(parts + 1);
    for (int p : px)
        if (core[p] > 0) cores_of[core[p]].insert(core_piece[p]);
    for (int l = 1; l <= parts; ++l) EXPECT_EQ(cores_of[l].size(), 1u) << "the outline cuts piece " << l - 1 << " in two";
}

// Bounding box of each piece: x0, y0, x1, y1.
std::vector<std::vector<int>> boxes(const std::vector<int>& px, const SplitResult& r, int parts) {
    std::vector<std::vector<int>> b(parts, {kW, kH, -1, -1});
    for (size_t k = 0; k < px.size(); ++k) {
        auto& box = b[r.piece[k]];
        const int x = px[k] % kW, y = px[k] / kW;
        box[0] = std::min(box[0], x);
        box[1] = std::min(box[1], y);
        box[2] = std::max(box[2], x);
        box[3] = std::max(box[3], y);
    }
    return b;
}

bool in_c_shape(int x, int y) {
    const bool block = x >= 20 && x < 220 && y >= 20 && y < 180;
    const bool gap = x >= 70 && y >= 70 && y < 130;
    return block && !gap;
}

bool in_ring(int x, int y) {
    const double r = std::hypot(x + 0.5 - 120, y + 0.5 - 100);
    return r < 95 && r > 50;
}

TEST(PicturebuildSplitter, CShapeIntoCellsGivesConnectedPieces) {
    const std::vector<int> px = area_of(in_c_shape);
    for (int parts : {2, 5, 9}) {
        const SplitOptions o = options(Pattern::cells);
        const SplitResult r = split_area(px, kW, kH, parts, o);
        SCOPED_TRACE(parts);
        expect_good_pieces(px, r, parts, o);
        EXPECT_FALSE(r.fell_back);
    }
}

TEST(PicturebuildSplitter, RingIsCutAcrossNotIntoStrayBits) {
    const std::vector<int> px = area_of(in_ring);
    for (Pattern pattern : {Pattern::cells, Pattern::rays, Pattern::stripes, Pattern::bands}) {
        SplitOptions o = options(pattern);
        o.cx = 120;
        o.cy = 100;
        const SplitResult r = split_area(px, kW, kH, 6, o);
        SCOPED_TRACE(static_cast<int>(pattern));
        expect_good_pieces(px, r, 6, o);
    }
}

TEST(PicturebuildSplitter, EveryPatternGivesExactlyTheCountAsked) {
    const std::vector<int> px = area_of([](int x, int y) { return x >= 10 && x < 230 && y >= 30 && y < 170; });
    for (Pattern pattern : {Pattern::cells, Pattern::bands, Pattern::rays, Pattern::stripes})
        for (int parts : {1, 2, 3, 7, 12}) {
            SplitOptions o = options(pattern);
            o.cx = 120;
            o.cy = 100;
            const SplitResult r = split_area(px, kW, kH, parts, o);
            SCOPED_TRACE(testing::Message() << "pattern " << static_cast<int>(pattern) << ", " << parts << " parts");
            expect_good_pieces(px, r, parts, o);
        }
}

TEST(PicturebuildSplitter, BandsRunAcrossAndLineUpInRows) {
    const std::vector<int> px = area_of([](int x, int y) { return x >= 0 && x < 240 && y >= 20 && y < 180; });
    SplitOptions o = options(Pattern::bands);
    o.aspect = 3;
    o.slant = 0;
    const int parts = 8;
    const SplitResult r = split_area(px, kW, kH, parts, o);
    expect_good_pieces(px, r, parts, o);
    EXPECT_FALSE(r.fell_back);
    // Pieces are wider than high, and they sit in a few rows: their tops
    // fall on shared band edges rather than anywhere.
    std::set<int> tops;
    for (const auto& b : boxes(px, r, parts)) {
        EXPECT_GT(b[2] - b[0], b[3] - b[1]);
        tops.insert(b[1]);
    }
    EXPECT_LE(tops.size(), 4u);
}

TEST(PicturebuildSplitter, UprightBandsOfAGivenWidthFollowTheirEdges) {
    // Stripes 40 px wide whose edges lie at x = 60, 100, 140, 180.
    const std::vector<int> px = area_of([](int x, int y) { return x >= 60 && x < 220 && y >= 10 && y < 190; });
    SplitOptions o = options(Pattern::bands);
    o.angle = kPi / 2;
    o.band = 40;
    o.fixed_band = true;
    o.offset = 20;
    o.aspect = 10;
    const SplitResult r = split_area(px, kW, kH, 4, o);
    expect_good_pieces(px, r, 4, o);
    for (const auto& b : boxes(px, r, 4)) {
        EXPECT_EQ((b[0] - 60) % 40, 0);
        EXPECT_EQ(b[2] - b[0], 39);
        EXPECT_EQ(b[3] - b[1], 179);  // each stripe runs the whole height
    }
}

TEST(PicturebuildSplitter, StripesCutALongBarAcrossItsLength) {
    const std::vector<int> px = area_of([](int x, int y) { return x >= 10 && x < 230 && y >= 80 && y < 120; });
    const SplitOptions o = options(Pattern::stripes);
    const SplitResult r = split_area(px, kW, kH, 5, o);
    expect_good_pieces(px, r, 5, o);
    for (const auto& b : boxes(px, r, 5)) {
        EXPECT_EQ(b[1], 80);
        EXPECT_EQ(b[3], 119);
    }
}

TEST(PicturebuildSplitter, RaysFanOutFromTheCentre) {
    const std::vector<int> px = area_of([](int x, int y) { return std::hypot(x + 0.5 - 120, y + 0.5 - 100) < 90; });
    SplitOptions o = options(Pattern::rays);
    o.cx = 120;
    o.cy = 100;
    const SplitResult r = split_area(px, kW, kH, 6, o);
    expect_good_pieces(px, r, 6, o);
    // Every slice reaches from near the centre out to the rim.
    std::vector<double> nearest(6, 1e9), farthest(6, 0);
    for (size_t k = 0; k < px.size(); ++k) {
        const double d = std::hypot(px[k] % kW + 0.5 - 120, px[k] / kW + 0.5 - 100);
        nearest[r.piece[k]] = std::min(nearest[r.piece[k]], d);
        farthest[r.piece[k]] = std::max(farthest[r.piece[k]], d);
    }
    for (int l = 0; l < 6; ++l) {
        EXPECT_LT(nearest[l], 15) << "slice " << l;
        EXPECT_GT(farthest[l], 85) << "slice " << l;
    }
}

TEST(PicturebuildSplitter, SameAreaGivesTheSamePieces) {
    const std::vector<int> px = area_of(in_c_shape);
    for (Pattern pattern : {Pattern::cells, Pattern::bands, Pattern::rays, Pattern::stripes}) {
        SplitOptions o = options(pattern);
        o.cx = 120;
        o.cy = 100;
        EXPECT_EQ(split_area(px, kW, kH, 7, o).piece, split_area(px, kW, kH, 7, o).piece);
    }
}

TEST(PicturebuildSplitter, ColoursEndWithExactlyTheirCountsAndRulesFixTheirAreas) {
    // Colour 1: two separate blocks; colour 2: everything else.
    RegionImage img;
    std::vector<int> colours(kW * kH, 2);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            if ((x >= 10 && x < 110 && y >= 10 && y < 190) || (x >= 130 && x < 230 && y >= 10 && y < 190))
                colours[y * kW + x] = 1;
    img = regions_from_colours(colours, kW, kH);
    const int wanted[11] = {0, 7, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    SplitOptions opts[11];
    for (SplitOptions& o : opts) o = options(Pattern::cells);
    // The right block stays whole; the left one takes the other six.
    AreaRule rule;
    rule.colour = 1;
    rule.pixel = 100 * kW + 180;
    rule.opt = options(Pattern::bands);
    rule.pieces = 1;
    std::vector<std::string> notes;
    ASSERT_EQ(split_colours(img, wanted, opts, &notes, {rule}), "");
    int have[11] = {};
    for (int c : img.colour) ++have[c];
    EXPECT_EQ(have[1], 7);
    EXPECT_EQ(have[2], 1);
    std::set<int> right, left;
    for (int y = 10; y < 190; ++y) {
        for (int x = 130; x < 230; ++x) right.insert(img.label[y * kW + x]);
        for (int x = 10; x < 110; ++x) left.insert(img.label[y * kW + x]);
    }
    EXPECT_EQ(right.size(), 1u);
    EXPECT_EQ(left.size(), 6u);
}

TEST(PicturebuildSplitter, MoreAreasThanRegionsIsReported) {
    std::vector<int> colours(kW * kH, 2);
    for (int y = 10; y < 60; ++y)
        for (int x = 10; x < 60; ++x) colours[y * kW + x] = colours[(y + 100) * kW + x + 100] = 1;
    RegionImage img = regions_from_colours(colours, kW, kH);
    const int wanted[11] = {0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0};
    SplitOptions opts[11];
    EXPECT_NE(split_colours(img, wanted, opts), "");
}

}  // namespace
