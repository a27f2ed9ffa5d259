#include "shell/hits.h"

#include <GL/glu.h>

#include "scene/object.h"
#include "shell/input.h"

bool hits_layer1 = false;
bool hits_layer2 = false;

void Hits::test_hit() { candidates.push_back(Object_curent); }

bool Hits::is_hit() const { return hit != nullptr && hit == Object_curent; }

void Hits::recalc() {
    glSelectBuffer(512, select_buffer);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    GLdouble saved[16];
    glGetDoublev(GL_PROJECTION_MATRIX, saved);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glLoadIdentity();
    gluPickMatrix(static_cast<GLdouble>(mouse.x), static_cast<GLdouble>(viewport[3] - mouse.y), 2.0, 2.0, viewport);
    glMultMatrixd(saved);
    glMatrixMode(GL_MODELVIEW);

    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    for (size_t i = 0; i < candidates.size(); ++i) {
        glLoadName(static_cast<GLuint>(i));
        candidates[i]->draw_for_hit_test();
    }
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glFlush();
    const GLint records = glRenderMode(GL_RENDER);

    hit = nullptr;
    if (records > 0) {
        GLuint best_depth = select_buffer[1];
        GLuint best_name = select_buffer[3];
        for (GLint r = 1; r < records; ++r) {
            const GLuint depth = select_buffer[r * 4 + 1];
            if (depth < best_depth) {
                best_depth = depth;
                best_name = select_buffer[r * 4 + 3];
            }
        }
        if (best_name < candidates.size()) hit = candidates[best_name];
    }
    candidates.clear();

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void mouse_select(int phase, void*) {
    if (phase == 1) hits.test_hit();
}

bool is_hit_layer0() { return hits.is_hit() && !hits_layer1; }
bool is_hit_layer1() { return hits.is_hit() && hits_layer1 && !hits_layer2; }
