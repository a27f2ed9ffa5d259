// Finding the object under the pointer, one frame after it was drawn there.
#include "window/window_scene.h"

#include "support/test_archive.h"

namespace {

class Picking : public WindowScene {
protected:
    void SetUp() override {
        WindowScene::SetUp();
        write_archive(folder.file("p.pak"), {{"square", square_object(2.0f, 0.0f, "none")},
                                             {"small", square_object(0.5f, 0.0f, "none")}});
        push_motion(cx(), cy());
    }
};

}  // namespace

TEST_F(Picking, NearerObjectWinsWhateverTheOrder) {
    Object* far = pickable(map, "p.pak", "square", 0.0);
    Object* near = pickable(map, "p.pak", "square", 10.0);
    frame();
    EXPECT_EQ(hits.hit, near);
    Object_curent = near;
    EXPECT_TRUE(hits.is_hit());
    Object_curent = far;
    EXPECT_FALSE(hits.is_hit());
}

TEST_F(Picking, EqualDepthGoesToTheEarlierCandidate) {
    Object* first = pickable(map, "p.pak", "square", 5.0);
    pickable(map, "p.pak", "square", 5.0);
    frame();
    EXPECT_EQ(hits.hit, first);
}

TEST_F(Picking, InvisibleObjectIsStillPicked) {
    Object* hidden = pickable(map, "p.pak", "square", 0.0);
    hidden->visible = false;
    frame();
    EXPECT_EQ(hits.hit, hidden);
    EXPECT_NEAR(mouse_hover_pixel.r + mouse_hover_pixel.g + mouse_hover_pixel.b, 0.0, 1e-6);
}

TEST_F(Picking, ObjectWithoutModelsIsNeverHit) {
    Object* bare = new Object();
    bare->addfun(mouse_select, nullptr);
    map->addlink(bare);
    Object* missing = pickable(map, "p.pak", "no-such-entry", 0.0);
    frames(2);
    EXPECT_EQ(hits.hit, nullptr);
    (void)missing;
}

TEST_F(Picking, PointerAwayFromEveryObjectHitsNothing) {
    pickable(map, "p.pak", "small", 0.0);
    push_motion(5, 5);
    frame();
    EXPECT_EQ(hits.hit, nullptr);
}

TEST_F(Picking, ObjectsUnderTheCursorRootArePickedToo) {
    pickable(map, "p.pak", "square", 0.0);
    Object* brush_part = pickable(cursor, "p.pak", "square", 20.0);
    frame();
    EXPECT_EQ(hits.hit, brush_part);
}

TEST_F(Picking, LayerHelpersFollowTheModalFlags) {
    Object* button = pickable(map, "p.pak", "square", 0.0);
    frame();
    Object_curent = button;
    EXPECT_TRUE(is_hit_layer0());
    EXPECT_FALSE(is_hit_layer1());
    hits_layer1 = true;
    EXPECT_FALSE(is_hit_layer0());
    EXPECT_TRUE(is_hit_layer1());
    hits_layer2 = true;
    EXPECT_FALSE(is_hit_layer1());
}

TEST_F(Picking, MovingOntoAnObjectCountsFromTheNextFrame) {
    Object* button = pickable(map, "p.pak", "small", 0.0);
    push_motion(5, 5);
    frame();
    push_motion(cx(), cy());
    frame();  // drawn with the pointer over it; picked after the swap
    EXPECT_EQ(hits.hit, button);
}
