#include "anim/draw_hooks.h"

#include <GL/gl.h>

#include "scene/draw_list.h"

// Off around the object's models and around each child, on again after;
// in the drawing state the walk's records take along.
static void toggle(bool& on, int phase) {
    if (phase == 1 || phase == 3)
        on = false;
    else if (phase == 2 || phase == 4)
        on = true;
}

void disable_depth_test(int phase, void*) { toggle(draw_state.depth_test, phase); }

void disable_light(int phase, void*) { toggle(draw_state.lighting, phase); }

void face_on_top(int phase, void*) {
    if (phase == 1) {
        glPushMatrix();
        GLdouble m[16];
        glGetDoublev(GL_MODELVIEW_MATRIX, m);
        m[0] = m[5] = m[10] = 1.0;
        m[1] = m[2] = m[4] = m[6] = m[8] = m[9] = 0.0;
        glLoadMatrixd(m);
    } else if (phase == 2) {
        glPopMatrix();
    }
}
