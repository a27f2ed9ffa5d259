#include "scene/draw_blend.h"

#include <GL/gl.h>

#include <algorithm>

#include "scene/draw_list.h"
#include "scene/model.h"

void Draw_blend::draw_models() {
    Draw_list now;
    now.clear();
    now.open();
    now.add_blended(models);
    models.clear();
    now.issue();
    now.close();
}

void Draw_blend::forget(const Model* m) { models.erase(std::remove(models.begin(), models.end(), m), models.end()); }
