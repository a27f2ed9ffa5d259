// Each step of pintabo-import's pipeline on a picture drawn for it.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "image_file.h"
#include "image_header.h"
#include "ink_lines.h"
#include "kmeans.h"
#include "lab_colour.h"
#include "paintable_regions.h"
#include "palette.h"
#include "resample.h"
#include "smoothing.h"
#include "synthetic_images.h"

namespace {

RgbImage painted(int w, int h, uint32_t (*colour)(int x, int y)) {
    RgbImage img;
    img.w = w;
    img.h = h;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t c = colour(x, y);
            img.rgb.insert(img.rgb.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
        }
    return img;
}

std::vector<int> colours_of(const RgbImage& img, uint32_t first) {
    std::vector<int> out;
    for (size_t p = 0; p < img.rgb.size(); p += 3) {
        const uint32_t c = uint32_t(img.rgb[p]) << 16 | uint32_t(img.rgb[p + 1]) << 8 | img.rgb[p + 2];
        out.push_back(c == first ? 1 : 2);
    }
    return out;
}

double hue_deg(const Lab& c) { return std::atan2(c.b, c.a) * 180 / 3.14159265358979; }

}  // namespace

TEST(ImportSteps, DownscalingAveragesAndEnlargingKeepsTheColours) {
    // Single-pixel stripes average to their middle instead of aliasing,
    // exactly at half the size, nearly at any other.
    const RgbImage stripes = painted(64, 48, [](int x, int) { return x % 2 ? 0xFFFFFFu : 0x000000u; });
    const RgbImage half = resample(stripes, 32, 24), third = resample(stripes, 20, 15);
    for (int y = 0; y < 15; ++y)
        for (int x = 1; x < 19; ++x) {  // the edge columns repeat the edge pixel
            EXPECT_NEAR(half.at(x, y)[0], 128, 1);
            EXPECT_NEAR(third.at(x, y)[0], 128, 24);
        }
    const RgbImage big = resample(three_discs(40, 30), 160, 120);
    EXPECT_EQ(big.at(0, 0)[1], 236) << "the ground's green, untouched at the corner";
    EXPECT_EQ(big.at(40, 60)[0], 220) << "the red disc's middle";
    int w = 0, h = 0;
    fit_size(4000, 3000, 535, 503, w, h);
    EXPECT_EQ(w, 535);
    EXPECT_EQ(h, 401);
    fit_size(3000, 4000, 535, 503, w, h);
    EXPECT_EQ(w, 377);
    EXPECT_EQ(h, 503);
}

TEST(ImportSteps, LabMatchesTheReferenceValuesBothWays) {
    const uint8_t red[3] = {255, 0, 0}, grey[3] = {128, 128, 128}, white[3] = {255, 255, 255};
    const Lab r = lab_of_rgb(red), g = lab_of_rgb(grey), w = lab_of_rgb(white);
    EXPECT_NEAR(r.L, 53.24, 0.05);
    EXPECT_NEAR(r.a, 80.09, 0.05);
    EXPECT_NEAR(r.b, 67.20, 0.05);
    EXPECT_NEAR(g.L, 53.59, 0.05);
    EXPECT_NEAR(w.L, 100, 0.01);
    EXPECT_NEAR(w.a, 0, 0.01);
    for (uint32_t c : {0xFF0000u, 0x3C6FC4u, 0xE08A3Cu, 0x123456u, 0xFFFFFFu}) {
        const uint8_t rgb[3] = {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)};
        bool inside = false;
        EXPECT_EQ(rgb_of_lab(lab_of_rgb(rgb), &inside), c);
        EXPECT_TRUE(inside);
    }
    bool inside = true;
    rgb_of_lab({50, 120, 0}, &inside);
    EXPECT_FALSE(inside) << "a chroma no screen shows";
}

TEST(ImportSteps, SmoothingMeltsGrainButKeepsTheEdge) {
    // Blue left, orange right, both grainy.
    RgbImage img = painted(60, 20, [](int x, int y) {
        const int grain = int((x * 7919 + y * 104729) % 23) - 11;
        const int r = (x < 30 ? 40 : 230) + grain, g = (x < 30 ? 90 : 140) + grain, b = (x < 30 ? 200 : 40) + grain;
        return uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
    });
    const LabImage before = to_lab(img), after = smooth_edges(before);
    auto spread = [](const LabImage& lab, int x0, int x1) {
        double sum = 0, sum2 = 0, n = 0;
        for (int y = 0; y < lab.h; ++y)
            for (int x = x0; x < x1; ++x) {
                const double L = lab.at(size_t(y) * lab.w + x)[0];
                sum += L, sum2 += L * L, ++n;
            }
        return std::sqrt(sum2 / n - (sum / n) * (sum / n));
    };
    EXPECT_LT(spread(after, 5, 25), spread(before, 5, 25) / 3);
    EXPECT_LT(spread(after, 35, 55), spread(before, 35, 55) / 3);
    for (int y = 0; y < 20; ++y) {
        EXPECT_LT(std::fabs(after.at(size_t(y) * 60 + 28)[2] - before.at(size_t(y) * 60 + 5)[2]), 12) << "blue up to the edge";
        EXPECT_GT(after.at(size_t(y) * 60 + 31)[2], 40) << "orange from the edge on";
    }
}

TEST(ImportSteps, KMeansFindsTheColoursThereAreAndNoMore) {
    const RgbImage two = painted(50, 40, [](int x, int y) { return (x - 25) * (x - 25) + (y - 20) * (y - 20) < 150 ? 0xD02828u : 0x28B050u; });
    const LabImage lab = to_lab(two);
    const Clusters c = kmeans_lab(lab, 7);
    ASSERT_EQ(c.centres.size(), 2u) << "seven asked for, two there";
    const uint8_t red[3] = {0xD0, 0x28, 0x28};
    const int red_cluster = lab_distance2(c.centres[0], lab_of_rgb(red)) < 1 ? 0 : 1;
    EXPECT_LT(lab_distance2(c.centres[red_cluster], lab_of_rgb(red)), 0.01);
    EXPECT_EQ(c.of_pixel[20 * 50 + 25], red_cluster);
    EXPECT_NE(c.of_pixel[0], red_cluster);
    const LabImage discs = to_lab(three_discs(80, 60));
    EXPECT_EQ(kmeans_lab(discs, 7).of_pixel, kmeans_lab(discs, 7).of_pixel) << "the same seed, the same clusters";
}

TEST(ImportSteps, RegionsPartAtNecksAndAtCorners) {
    // Cells touching at their corners, and two blobs of one colour joined
    // by a bar thinner than the neck: each its own region.
    const RgbImage cells = painted(80, 80, [](int x, int y) { return (x / 20 + y / 20) % 2 ? 0xFFFFFFu : 0x000000u; });
    EXPECT_EQ(connected_regions(colours_of(cells, 0), 80, 80, 2.5f).count(), 16);
    const RgbImage dumbbell = painted(100, 50, [](int x, int y) {
        const bool blob = (x - 25) * (x - 25) + (y - 25) * (y - 25) < 300 || (x - 75) * (x - 75) + (y - 25) * (y - 25) < 300;
        return blob || (y >= 24 && y <= 26 && x > 25 && x < 75) ? 0xFF0000u : 0xFFFFFFu;
    });
    const RegionImage parted = connected_regions(colours_of(dumbbell, 0xFF0000), 100, 50, 2.5f);
    EXPECT_EQ(parted.count(), 3) << "two blobs and the ground";
    EXPECT_NE(parted.label[25 * 100 + 25], parted.label[25 * 100 + 75]);
    EXPECT_EQ(connected_regions(colours_of(dumbbell, 0xFF0000), 100, 50, 0).count(), 2) << "not parted without a neck";
}

TEST(ImportSteps, ASmallRegionGoesToTheNeighbourNearestInColourNotTheLongestBorder) {
    // A red speck at the top edge: blue below it all along, orange beside
    // it for a few pixels only. It belongs with the orange.
    const RgbImage img = painted(60, 40, [](int x, int y) {
        if (x >= 28 && x < 34 && y < 4) return 0xE02020u;
        return x < 34 && y < 4 ? 0xF08020u : (x >= 34 ? 0xF08020u : 0x2040E0u);
    });
    std::vector<int> colours;
    for (size_t p = 0; p < img.rgb.size(); p += 3) colours.push_back(img.rgb[p] == 0xE0 ? 1 : img.rgb[p] == 0xF0 ? 2 : 3);
    RegionImage regions = connected_regions(colours, 60, 40, 0);
    ASSERT_EQ(regions.count(), 4);
    const uint8_t red[3] = {0xE0, 0x20, 0x20}, orange[3] = {0xF0, 0x80, 0x20}, blue[3] = {0x20, 0x40, 0xE0};
    merge_into_nearest_colour(regions, {lab_of_rgb(red), lab_of_rgb(orange), lab_of_rgb(blue)}, 5.0f, 0);
    EXPECT_EQ(regions.colour[regions.label[2 * 60 + 30]], 2) << "the speck is orange now";
}

TEST(ImportSteps, ThePaletteKeepsHuesAndComesOutBrightEnough) {
    const Lab brown{32, 12, 22};
    const Lab lift = lifted(brown);
    EXPECT_NEAR(hue_deg(lift), hue_deg(brown), 2.0);
    EXPECT_GT(lift.L, brown.L + 10);
    EXPECT_GT(std::hypot(lift.a, lift.b), std::hypot(brown.a, brown.b) + 5);
    // A dark picture: three clusters, one of them unused.
    const std::vector<Lab> centres{{25, -20, 15}, {20, 5, -30}, {30, 30, 20}};
    const Palette p = make_palette(centres, {3, 2, 0}, {5000, 4000, 10});
    ASSERT_EQ(p.rgb.size(), 5u) << "padded to five tubes";
    EXPECT_EQ(p.tube_of_cluster[2], 3) << "the unused cluster follows the used ones";
    EXPECT_TRUE((std::set<int>{p.tube_of_cluster[0], p.tube_of_cluster[1]} == std::set<int>{1, 2}));
    double mean = 0;
    for (int k = 0; k < 2; ++k) {
        const uint32_t c = p.rgb[p.tube_of_cluster[k] - 1];
        const uint8_t rgb[3] = {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)};
        mean += lab_of_rgb(rgb).L * (k == 0 ? 5000 : 4000) / 9000.0;
    }
    EXPECT_GT(mean, 60) << "no mud";
}

TEST(ImportSteps, HeadersAreReadBeforeDecodingAndCamerasTurnedUpright) {
    // A PNG's header chunk, checksum and all: 8000 x 6000, 8-bit RGB.
    const unsigned char png[33] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                                   0, 0, 0x1F, 0x40, 0, 0, 0x17, 0x70, 8, 2, 0, 0, 0, 0xBE, 0x06, 0x73, 0x69};
    const ImageHeader p = read_image_header(png, sizeof png);
    EXPECT_EQ(p.kind, ImageHeader::png);
    EXPECT_EQ(p.width * p.height, 8000ll * 6000);
    // A JPEG start: Exif (big-endian TIFF, orientation 6), then the frame.
    const unsigned char jpeg[] = {0xFF, 0xD8, 0xFF, 0xE1, 0, 34, 'E', 'x', 'i', 'f', 0, 0, 'M', 'M', 0, 42, 0, 0, 0, 8,
                                  0, 1, 0x01, 0x12, 0, 3, 0, 0, 0, 1, 0, 6, 0, 0, 0, 0, 0, 0,
                                  0xFF, 0xC0, 0, 11, 8, 0x0B, 0xB8, 0x0F, 0xA0, 3, 1, 0x22, 0, 2};
    const ImageHeader j = read_image_header(jpeg, sizeof jpeg);
    EXPECT_EQ(j.kind, ImageHeader::jpeg);
    EXPECT_EQ(j.width, 4000);
    EXPECT_EQ(j.height, 3000);
    EXPECT_EQ(j.orientation, 6);
    EXPECT_EQ(read_image_header(jpeg, 20).width, 0) << "cut short: no size";
    // Held a quarter turn clockwise: the stored left column is the top row.
    const RgbImage wide = painted(2, 1, [](int x, int) { return x ? 0x0000FFu : 0xFF0000u; });
    const RgbImage turned = upright(wide, 6);
    ASSERT_EQ(turned.w, 1);
    ASSERT_EQ(turned.h, 2);
    EXPECT_EQ(turned.at(0, 0)[0], 255);
    EXPECT_EQ(turned.at(0, 1)[2], 255);
}

TEST(ImportSteps, ALineDrawnRingBecomesARegionAndAStrokeStaysInk) {
    // Pencil on paper: a ring, and a stroke beside it.
    const RgbImage drawing = painted(200, 150, [](int x, int y) {
        const double r = std::hypot(x - 60, y - 75);
        const bool ring = r > 30 && r < 33, stroke = x >= 130 && x < 133 && y > 30 && y < 120;
        return ring || stroke ? 0x202020u : 0xFAFAF5u;
    });
    const LabImage lab = to_lab(drawing);
    InkOptions opt;
    std::vector<uint8_t> lines = dark_lines(lab, opt);
    EXPECT_TRUE(lines[75 * 200 + 131]);
    EXPECT_TRUE(lines[75 * 200 + 91]);
    // The paper as one region, as k-means and merging leave it.
    RegionImage paper;
    paper.w = 200;
    paper.h = 150;
    paper.label.assign(200 * 150, 0);
    paper.colour = {1};
    part_along_lines(paper, lines, 10);
    ASSERT_EQ(paper.count(), 2);
    EXPECT_NE(paper.label[75 * 200 + 60], paper.label[10 * 200 + 10]) << "inside the ring is a region of its own";
    const std::vector<uint8_t> ink = ink_over_regions(lines, paper, opt);
    EXPECT_TRUE(ink[75 * 200 + 131]) << "the stroke stays";
    EXPECT_FALSE(ink[75 * 200 + 91]) << "the ring is a border now; the outline draws it";
}
