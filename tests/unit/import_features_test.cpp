// pintabo-import on photos of what a family has at hand: a portrait, a
// cat's face close up, a meadow with small sheep. What makes them
// recognisable stays on the page as ink in both variants (the eyes, the
// smile, the nose, whiskers), small subjects keep a region of their own,
// and texture (grass) is not outlined everywhere.
#include <gtest/gtest.h>

#include "import_page_checks.h"
#include "import_runs.h"
#include "support/temp_folder.h"
#include "test_scenes.h"

namespace {

struct Imported {
    WorkingPicture work;
    ImportedPicture made;
};

void import_scene(const std::string& kind, Imported& out) {
    TempFolder folder;
    ASSERT_EQ(prepare_picture(test_scene(folder.path(), kind, kSceneW, kSceneH), out.work), "");
    PictureRequest request;
    request.name = kind;
    out.made = import_picture(out.work, request, import_glyphs());
    ASSERT_EQ(out.made.error, "");
    ASSERT_EQ(out.made.variants.size(), 2u);
    EXPECT_FALSE(out.work.line_art);
    for (const ImportedVariant& v : out.made.variants) expect_paintable(v, out.work);
}

// A line is drawn at the scene's point or within a tenth of a unit of it.
bool drawn_near(const Imported& in, const BuiltPicture& pic, ScenePoint at) {
    const Pt c = scene_point(in.work, kSceneW, kSceneH, at);
    for (double dx = -0.1; dx <= 0.1001; dx += 0.05)
        for (double dy = -0.1; dy <= 0.1001; dy += 0.05)
            if (drawn_line_at(pic, {c.x + dx, c.y + dy})) return true;
    return false;
}

}  // namespace

TEST(ImportFeatures, APortraitKeepsItsEyesAndItsSmileInBothVariants) {
    Imported in;
    import_scene("portrait", in);
    for (const ImportedVariant& v : in.made.variants) {
        SCOPED_TRACE(v.info.detailed ? "detailed" : "simple");
        for (ScenePoint p : {portrait_face::left_eye, portrait_face::right_eye, portrait_face::smile})
            EXPECT_TRUE(drawn_near(in, v.pic, p)) << p.x << ", " << p.y;
        // The face is a region of its own, not one with the hair or the wallpaper.
        const Samples s = sample(v.pic, in.work);
        const int face = s.owner_at(scene_point(in.work, kSceneW, kSceneH, {50, 42}));
        EXPECT_NE(face, s.owner_at(scene_point(in.work, kSceneW, kSceneH, {50, 16})));
        EXPECT_NE(face, s.owner_at(scene_point(in.work, kSceneW, kSceneH, {10, 30})));
    }
}

TEST(ImportFeatures, ACatKeepsItsEyesNoseMouthAndWhiskers) {
    Imported in;
    import_scene("pet", in);
    for (const ImportedVariant& v : in.made.variants) {
        SCOPED_TRACE(v.info.detailed ? "detailed" : "simple");
        for (ScenePoint p : {cat_face::left_eye, cat_face::right_eye, cat_face::mouth, cat_face::whisker})
            EXPECT_TRUE(drawn_near(in, v.pic, p)) << p.x << ", " << p.y;
    }
}

TEST(ImportFeatures, SmallSheepStayOnTheMeadowAndTheGrassIsNotOutlinedAllOver) {
    Imported in;
    import_scene("meadow", in);
    for (const ImportedVariant& v : in.made.variants) {
        SCOPED_TRACE(v.info.detailed ? "detailed" : "simple");
        const Samples s = sample(v.pic, in.work);
        for (ScenePoint sheep : meadow::sheep) {
            const int wool = s.owner_at(scene_point(in.work, kSceneW, kSceneH, sheep));
            EXPECT_NE(wool, s.owner_at(scene_point(in.work, kSceneW, kSceneH, {sheep.x, sheep.y - 5})))
                << "the sheep at " << sheep.x << ", " << sheep.y << " has a region of its own";
        }
        // Away from the sheep, little of the grass is drawn on.
        int drawn = 0, all = 0;
        for (float y = 50; y < 74; y += 0.5f)
            for (float x = 2; x < 98; x += 0.5f) {
                bool by_sheep = false;
                for (ScenePoint sheep : meadow::sheep)
                    by_sheep = by_sheep || (std::abs(x - sheep.x) < 8 && std::abs(y - sheep.y) < 6);
                if (by_sheep) continue;
                ++all;
                drawn += drawn_line_at(v.pic, scene_point(in.work, kSceneW, kSceneH, {x, y}));
            }
        EXPECT_LT(drawn, all / 20) << drawn << " of " << all;
    }
}
