#include "scene/draw_blend.h"

#include <GL/gl.h>

#include <algorithm>

#include "scene/model.h"

void Draw_blend::draw_models() {
    glDepthMask(GL_FALSE);
    for (Model* m : models) m->draw_blend();
    glDepthMask(GL_TRUE);
    models.clear();
}

void Draw_blend::forget(const Model* m) { models.erase(std::remove(models.begin(), models.end(), m), models.end()); }
