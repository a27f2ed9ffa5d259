// Lighting switched by the drawing hooks and placed by the light behaviour.
#include <GL/gl.h>

#include "anim/behaviours.h"
#include "scene/draw_list.h"
#include "support/test_objects.h"
#include "window/window_scene.h"

namespace {

class Lights : public WindowScene {
protected:
    Object* lamp(int light, double x, double y, double z) {
        Object* o = new Object();
        o->chposition(x, y, z);
        o->event.create_slot();
        Action a(1, true, 0.0);
        a.init(set_light, light, 0.0, 0.0, 0.0);
        o->event.add_action(a);
        o->event.send(0);
        map->addlink(o);
        return o;
    }
    static void position_of(GLenum light, GLfloat out[4]) { glGetLightfv(light, GL_POSITION, out); }
};

}  // namespace

TEST_F(Lights, LightIsPlacedAtTheOriginOfTheObjectDrawingIt) {
    lamp(2, 3.0, -4.0, 5.0);
    frame();
    GLfloat p[4];
    position_of(GL_LIGHT2, p);
    // Eye space: the frame's camera translation of -100 along z comes first.
    EXPECT_NEAR(p[0], 3.0, 1e-4);
    EXPECT_NEAR(p[1], -4.0, 1e-4);
    EXPECT_NEAR(p[2], -95.0, 1e-4);
    EXPECT_FLOAT_EQ(p[3], 1.0f);
}

TEST_F(Lights, LightNumbersOutsideOneToFourAreIgnored) {
    GLfloat before0[4], before5[4];
    position_of(GL_LIGHT0, before0);
    position_of(GL_LIGHT5, before5);
    lamp(0, 7.0, 7.0, 7.0);
    lamp(5, 7.0, 7.0, 7.0);
    frame();
    GLfloat after0[4], after5[4];
    position_of(GL_LIGHT0, after0);
    position_of(GL_LIGHT5, after5);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(before0[i], after0[i]);
        EXPECT_EQ(before5[i], after5[i]);
    }
}

// The walk records what its models are drawn with; the drawing of the
// frame leaves lighting off.
TEST_F(Lights, LightingIsOnForEachChildOfALitObjectOnly) {
    static bool seen_lit = false;
    map->addfun(add_light, nullptr);
    map->addlink(object_running([](void*) { seen_lit = draw_state.lighting && (draw_state.lights & 1); }));
    frame();
    EXPECT_TRUE(seen_lit);
    EXPECT_FALSE(draw_state.lighting);
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING) || glIsEnabled(GL_LIGHT1));
}
