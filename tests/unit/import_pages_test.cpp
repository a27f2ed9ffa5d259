// pintabo-import's pipeline end to end on pictures drawn here: the regions
// it finds, and that the pages hold what the game and the child rely on:
// regions covering the picture exactly, none below the brush's bound, every
// number inside its own region, and the same bytes for the same picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "digit_glyphs.h"
#include "game/page_info.h"
#include "page_import.h"
#include "picture_frame.h"
#include "import_page_checks.h"
#include "synthetic_images.h"
#include "variant_limits.h"

namespace {

// A coarser working raster than the command's keeps these quick; the
// bounds scale with it.
constexpr int kScale = 4;

const DigitGlyphs& glyphs() { return import_glyphs(); }

ImportedVariant import(const RgbImage& img, bool detailed, WorkingPicture& work, int colours = 0, int scale = kScale) {
    EXPECT_EQ(prepare_picture(img, work, scale), "");
    PictureRequest request;
    request.simple = !detailed;
    request.detailed = detailed;
    request.colours = colours;
    request.name = "test";
    ImportedPicture made = import_picture(work, request, glyphs());
    EXPECT_EQ(made.error, "");
    if (made.variants.empty()) return {};
    return made.variants.front();
}

std::set<int> colours_of(const BuiltPicture& pic) {
    std::set<int> colours;
    for (const auto& reg : pic.regions) colours.insert(reg.colour);
    return colours;
}

}  // namespace

TEST(ImportPages, ThreeDiscsOnAGroundAreFourRegionsInFourColours) {
    ASSERT_TRUE(glyphs().ok());
    for (bool detailed : {false, true}) {
        SCOPED_TRACE(detailed ? "detailed" : "simple");
        WorkingPicture work;
        const ImportedVariant v = import(three_discs(160, 120), detailed, work);
        expect_paintable(v, work);
        EXPECT_EQ(v.pic.regions.size(), 4u);
        EXPECT_EQ(colours_of(v.pic), (std::set<int>{1, 2, 3, 4}));
        EXPECT_EQ(v.info.tubes, 5) << "padded to the fewest tubes the game lays out";
    }
}

TEST(ImportPages, AGradientBecomesOneBandPerColour) {
    for (bool detailed : {false, true}) {
        SCOPED_TRACE(detailed ? "detailed" : "simple");
        WorkingPicture work;
        const size_t k = detailed ? 9 : 7;
        const ImportedVariant v = import(gradient(160, 120), detailed, work, static_cast<int>(k));
        expect_paintable(v, work);
        EXPECT_EQ(v.pic.regions.size(), k);
        EXPECT_EQ(colours_of(v.pic).size(), k);
        // Each band's number halfway down it, not at its top.
        const double middle = frame::container_of_pixel(work.place.to_grid({0, work.lab.h / 2.0})).y;
        for (const auto& reg : v.pic.regions) EXPECT_NEAR(reg.label_centre.y, middle, 1.0) << reg.name;
    }
}

TEST(ImportPages, ACheckerboardKeepsEveryCell) {
    // Where four cells meet, the blur of the enlargement joins two of them
    // by a neck that the command's raster parts (the coarser one cannot).
    WorkingPicture work;
    const ImportedVariant v = import(checkerboard(180, 120, 6, 4), false, work, 5, working_scale);
    expect_paintable(v, work);
    EXPECT_EQ(v.pic.regions.size(), 24u);
    EXPECT_EQ(colours_of(v.pic).size(), 2u);
}

TEST(ImportPages, NoiseLeavesNoRegionTooSmallToPaint) {
    for (bool detailed : {false, true}) {
        SCOPED_TRACE(detailed ? "detailed" : "simple");
        WorkingPicture work;
        const ImportedVariant v = import(noise(120, 120, 7), detailed, work);
        expect_paintable(v, work);
        EXPECT_GE(v.pic.regions.size(), 2u);
    }
}

TEST(ImportPages, TheSamePictureGivesTheSameBytes) {
    WorkingPicture a, b;
    const ImportedVariant first = import(three_discs(150, 100), true, a);
    const ImportedVariant second = import(three_discs(150, 100), true, b);
    ASSERT_FALSE(first.pic.regions.empty());
    EXPECT_TRUE(archive_bytes(first.pic) == archive_bytes(second.pic));
}

TEST(ImportPages, AFlatPictureIsRefused) {
    WorkingPicture work;
    EXPECT_NE(prepare_picture(flat(64, 48, 0x336699), work, kScale).find("one flat colour"), std::string::npos);
}
