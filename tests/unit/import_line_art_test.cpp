// pintabo-import on a colouring page, as a parent prints one: recognised as
// line art, its regions the areas the lines enclose, coloured so that no
// two neighbours match, its lines and dots kept as ink, a gap in a line
// not letting two regions run together; alike from a grey JPEG scan.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "import_page_checks.h"
#include "import_runs.h"
#include "support/temp_folder.h"
#include "test_scenes.h"

namespace {

ImportedPicture import_page(const RgbImage& page, WorkingPicture& work) {
    EXPECT_EQ(prepare_picture(page, work), "");
    PictureRequest request;
    request.name = "frog";
    return import_picture(work, request, import_glyphs());
}

// What a parent checks on each variant of the frog page.
void expect_a_colouring_page(const ImportedPicture& made, const WorkingPicture& work) {
    ASSERT_EQ(made.error, "");
    ASSERT_EQ(made.variants.size(), 2u);
    EXPECT_TRUE(work.line_art);
    for (const ImportedVariant& v : made.variants) {
        SCOPED_TRACE(v.info.detailed ? "detailed" : "simple");
        expect_paintable(v, work);
        const BuiltPicture& pic = v.pic;
        const Samples s = sample(pic, work);
        // Colours: at least four, none on more than half the regions, and
        // no two regions that share a border alike.
        std::map<int, int> per_colour;
        for (const auto& reg : pic.regions) ++per_colour[reg.colour];
        EXPECT_GE(per_colour.size(), 4u);
        for (const auto& [colour, n] : per_colour) EXPECT_LE(2 * n, static_cast<int>(pic.regions.size())) << colour;
        std::set<std::pair<int, int>> touching;
        for (int j = 0; j + 1 < s.h; ++j)
            for (int i = 0; i + 1 < s.w; ++i) {
                const int a = s.owner[static_cast<size_t>(j) * s.w + i];
                for (const int b : {s.owner[static_cast<size_t>(j) * s.w + i + 1], s.owner[static_cast<size_t>(j + 1) * s.w + i]})
                    if (a >= 0 && b >= 0 && a != b) touching.insert({std::min(a, b), std::max(a, b)});
            }
        EXPECT_GE(touching.size(), pic.regions.size() - 1);
        for (const auto& [a, b] : touching)
            EXPECT_NE(pic.regions[a].colour, pic.regions[b].colour) << pic.regions[a].name << " beside " << pic.regions[b].name;
        // The sky and the water on either side of the gap stay apart.
        const auto at = [&](ScenePoint p) { return scene_point(work, kSceneW, kSceneH, p); };
        EXPECT_NE(s.owner_at(at(frog_page::sky_by_gap)), s.owner_at(at(frog_page::water_by_gap)));
        EXPECT_EQ(s.owner_at(at(frog_page::sky_by_gap)), s.owner_at(at(frog_page::sky)));
        // The face is drawn: the filled pupils and the smile are ink.
        for (ScenePoint p : {frog_page::left_pupil, frog_page::right_pupil, frog_page::smile})
            EXPECT_TRUE(drawn_line_at(pic, at(p))) << p.x << ", " << p.y;
        EXPECT_FALSE(drawn_line_at(pic, at(frog_page::belly)));
        // The sliver between the reed's two lines is no region of its own:
        // ink, or part of the sky beside it.
        const Pt reed = at(frog_page::reed_stem);
        EXPECT_TRUE(drawn_line_at(pic, reed) || s.owner_at(reed) == s.owner_at(at({85, 42})) ||
                    s.owner_at(reed) == s.owner_at(at({92, 42})));
    }
}

}  // namespace

TEST(ImportLineArt, AColouringPageBecomesRegionsBetweenItsLinesInManyColours) {
    TempFolder folder;
    WorkingPicture work;
    const ImportedPicture made = import_page(test_scene(folder.path(), "page", kSceneW, kSceneH), work);
    expect_a_colouring_page(made, work);
    // Both variants share the palette, and every region's colour has a tube.
    EXPECT_EQ(made.variants[0].pic.palette, made.variants[1].pic.palette);
}

TEST(ImportLineArt, AGreyScanAsAJpegIsReadAlikeAndTheSameBytesComeOutTwice) {
    TempFolder folder;
    const RgbImage scan = test_scene(folder.path(), "scan", kSceneW, kSceneH, 75);
    WorkingPicture work, again;
    const ImportedPicture made = import_page(scan, work);
    expect_a_colouring_page(made, work);
    const ImportedPicture second = import_page(scan, again);
    ASSERT_EQ(second.error, "");
    for (size_t v = 0; v < made.variants.size(); ++v)
        EXPECT_TRUE(archive_bytes(made.variants[v].pic) == archive_bytes(second.variants[v].pic));
}

TEST(ImportLineArt, PhotosAndCrayonDrawingsAreNoColouringPages) {
    TempFolder folder;
    for (const char* kind : {"photo", "crayon", "portrait", "pet"}) {
        SCOPED_TRACE(kind);
        WorkingPicture work;
        ASSERT_EQ(prepare_picture(test_scene(folder.path(), kind, 400, 300), work, 4), "");
        EXPECT_FALSE(work.line_art);
    }
}
