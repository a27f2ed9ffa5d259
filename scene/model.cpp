#include "scene/model.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstring>

#include "res/media.h"
#include "res/texturebase.h"
#include "scene/draw_blend.h"
#include "scene/draw_list.h"

static uint32_t read_u32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

Model::~Model() {
    draw_blend_models.forget(this);
    Draw_list::forget_everywhere(this);
    if (generated) {
        // A refused name took nothing, so it gives nothing back.
        if (texture != 0) texturebase.ungen(texture_source.c_str());
        return;
    }
    media.ungetimage(texture_source.c_str(), texture);
}

bool Model::load(const unsigned char** pos, const unsigned char* end, const char* pak) {
    const unsigned char* p = *pos;
    if (p > end || static_cast<size_t>(end - p) < 4) return false;
    const uint64_t name_len = read_u32(p);
    const uint64_t left = static_cast<uint64_t>(end - p);
    if (name_len == 0 || left < 4 + name_len + 60 + 4 + 1) return false;
    const char* name = reinterpret_cast<const char*>(p + 4);
    if (!std::memchr(name, 0, name_len)) return false;
    const unsigned char* mat = p + 4 + name_len;
    const uint64_t n = read_u32(mat + 60);
    if (left - (4 + name_len + 65) < 96 * n) return false;

    texture_name = name;
    if (name[0] != '\0' && name[1] == '#') {
        // A procedural texture, computed and shared under its full name; a
        // name that is no valid recipe draws untextured.
        generated = true;
        texture_source = name;
        texture = texturebase.gen(name);
    } else {
        texture = static_cast<unsigned>(media.getimage(pak, name));
        texture_source = pak;
        generated = false;
    }
    material = mat;
    triangle_count = static_cast<int>(n);
    vertices = mat + 65;
    normals = vertices + 36 * n;
    texcoords = normals + 36 * n;
    *pos = texcoords + 24 * n;
    return true;
}

void Model::setcolor(double r, double g, double b, double a) {
    rgba[0] = r;
    rgba[1] = g;
    rgba[2] = b;
    rgba[3] = a;
    colored = true;
}

// The walk records the model with the drawing state the hooks left; a
// blended model is queued instead and keeps that state for its later draw.
void Model::draw() {
    glGetDoublev(GL_MODELVIEW_MATRIX, matrix);
    if (!material) return;
    if (blended()) {
        saved_depth_test = draw_state.depth_test;
        saved_lighting = draw_state.lighting;
        if (saved_lighting)
            for (int i = 0; i < 8; ++i) saved_lights[i] = draw_state.lights >> i & 1;
        draw_blend_models.push_model(this);
        return;
    }
    if (draw_list_target) draw_list_target->add(*this);
}

void Model::box(float out[6]) const {
    if (!box_known_) {
        const float* v = reinterpret_cast<const float*>(vertices);
        for (int k = 0; k < 3; ++k) {
            box_[k] = triangle_count > 0 ? v[k] : 0.0f;
            box_[k + 3] = box_[k];
        }
        for (int i = 0; i < 3 * triangle_count; ++i)
            for (int k = 0; k < 3; ++k) {
                box_[k] = std::min(box_[k], v[3 * i + k]);
                box_[k + 3] = std::max(box_[k + 3], v[3 * i + k]);
            }
        box_known_ = true;
    }
    std::memcpy(out, box_, sizeof box_);
}

void Model::draw_for_hit_test() const {
    if (!vertices) return;
    glLoadMatrixd(matrix);
    glVertexPointer(3, GL_FLOAT, 0, vertices);
    glDrawArrays(GL_TRIANGLES, 0, 3 * triangle_count);
}

void Model::draw_only_grab_matrix() { glGetDoublev(GL_MODELVIEW_MATRIX, matrix); }
