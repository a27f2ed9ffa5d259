// What the models look like on screen: blending after the opaque tree,
// tints, textures from archives and models that always face the viewer.
#include <GL/gl.h>
#include <SDL/SDL.h>

#include "anim/draw_hooks.h"
#include "scene/draw_blend.h"
#include "scene/model.h"
#include "support/test_archive.h"
#include "support/test_objects.h"
#include "window/window_scene.h"

namespace {

class Drawing : public WindowScene {
protected:
    void SetUp() override {
        WindowScene::SetUp();
        write_archive(folder.file("d.pak"), {{"opaque", square_object(2.0f, 0.0f, "none")},
                                             {"glass", square_object(2.0f, 0.0f, "none", true)}});
        push_motion(cx(), cy());
    }
    Object* square(Object* parent, const char* entry, double z, Color c, double alpha = 1.0) {
        Object* o = pickable(parent, "d.pak", entry, z);
        o->setcolor(c.r, c.g, c.b, alpha);
        return o;
    }
};

void expect_color(const Color& got, double r, double g, double b) {
    EXPECT_NEAR(got.r, r, 0.02);
    EXPECT_NEAR(got.g, g, 0.02);
    EXPECT_NEAR(got.b, b, 0.02);
}

}  // namespace

TEST_F(Drawing, TintedOpaqueModelShowsItsColourAndIgnoresItsAlpha) {
    square(map, "opaque", 0.0, Color(0.2, 0.6, 1.0), 0.1);
    frame();
    expect_color(mouse_hover_pixel, 0.2, 0.6, 1.0);
}

TEST_F(Drawing, BlendedModelIsDrawnAfterTheOpaqueTreeWithItsTintsAlpha) {
    // The glass stands in front but comes first in the tree; drawn at once it
    // would hide the green square behind it from the depth test.
    Object* glass = square(map, "glass", 10.0, Color(1.0, 0.0, 0.0), 0.5);
    square(map, "opaque", 0.0, Color(0.0, 1.0, 0.0));
    frame();
    expect_color(mouse_hover_pixel, 0.5, 0.5, 0.0);
    EXPECT_TRUE(draw_blend_models.models.empty());
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(hits.hit, glass);
}

TEST_F(Drawing, UntintedBlendedModelIsOpaqueWhite) {
    pickable(map, "d.pak", "glass", 10.0);
    square(map, "opaque", 0.0, Color(0.0, 0.0, 1.0));
    frame();
    expect_color(mouse_hover_pixel, 1.0, 1.0, 1.0);
}

// The brush's own glass is drawn with the brush, over the colour the
// pointer stands on, in the same frame.
TEST_F(Drawing, BlendedModelUnderTheCursorIsDrawnWithTheCursor) {
    square(cursor, "glass", 10.0, Color(1.0, 1.0, 1.0), 0.5);
    frame();
    EXPECT_TRUE(draw_blend_models.models.empty());
    expect_color(mouse_hover_pixel, 0.0, 0.0, 0.0);
    expect_color(pixel(cx(), cy()), 0.5, 0.5, 0.5);
}

// Models whose bytes go away in the middle of a frame, after they were
// recorded (one opaque, one blended and queued), are not drawn from them.
TEST_F(Drawing, ModelsThatGoAwayAfterTheyWereRecordedAreNotDrawn) {
    static Object* glass = nullptr;
    static Object* plate = nullptr;
    glass = square(map, "glass", 10.0, Color(1.0, 1.0, 1.0), 0.5);
    plate = square(map, "opaque", 5.0, Color(1.0, 0.0, 0.0));
    map->addlink(object_running([](void*) {
        glass->delete_all_models();
        plate->delete_all_models();
    }));
    frame();
    expect_color(mouse_hover_pixel, 0.0, 0.0, 0.0);
    EXPECT_TRUE(draw_blend_models.models.empty());
}

TEST_F(Drawing, FaceOnTopTurnsTheModelsTowardsTheViewer) {
    Object* edge_on = square(map, "opaque", 0.0, Color(1.0, 1.0, 0.0));
    edge_on->chrot(90.0, 0.0, 0.0);
    frame();
    expect_color(mouse_hover_pixel, 0.0, 0.0, 0.0);
    edge_on->addfun(face_on_top, nullptr);
    frame();
    expect_color(mouse_hover_pixel, 1.0, 1.0, 0.0);
}

TEST_F(Drawing, HoverPixelIsReadBeforeTheCursorIsDrawn) {
    square(map, "opaque", 0.0, Color(0.0, 1.0, 0.0));
    square(cursor, "opaque", 50.0, Color(1.0, 0.0, 0.0));
    frame();
    expect_color(mouse_hover_pixel, 0.0, 1.0, 0.0);
    expect_color(pixel(cx(), cy()), 1.0, 0.0, 0.0);
}

TEST_F(Drawing, ATintDoesNotLeakIntoTheLitModelsDrawnAfterIt) {
    map->addfun(add_light, nullptr);
    Object* red = square(map, "opaque", 0.0, Color(1.0, 0.0, 0.0));
    red->chposition(-10.0, 0.0, 0.0);
    Object* plain = pickable(map, "d.pak", "opaque", 0.0);
    Object* red_again = square(map, "opaque", 0.0, Color(1.0, 0.0, 0.0));
    red_again->chposition(10.0, 0.0, 0.0);
    frames(2);
    // Lit white: global ambient 0.2 plus the light's 0.22 ambient and 0.6 diffuse.
    expect_color(mouse_hover_pixel, 1.0, 1.0, 1.0);
    EXPECT_EQ(hits.hit, plain);
}
