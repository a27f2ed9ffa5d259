#include "scene/model.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstring>

#include "res/media.h"
#include "res/texturebase.h"
#include "scene/draw_blend.h"
#include "scene/draw_list.h"
#include "scene/model_record.h"

Model::~Model() {
    draw_blend_models.forget(this);
    Draw_list::forget_everywhere(this);
    show_texture(0);
    if (generated) {
        // A refused name took nothing, so it gives nothing back.
        if (texture != 0) texturebase.ungen(texture_source.c_str());
        return;
    }
    media.ungetimage(texture_source.c_str(), texture);
}

bool Model::load(const unsigned char** pos, const unsigned char* end, const char* pak) {
    MeshRecord record;
    if (!read_model_record(pos, end, &record)) return false;
    load(record, pak);
    return true;
}

void Model::load(const MeshRecord& record, const char* pak) {
    const char* name = record.texture_name;
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
    material = record.material;
    triangle_count = record.triangle_count;
    vertices = record.vertices;
    normals = record.normals;
    texcoords = record.texcoords;
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

void Model::show_texture(unsigned other) {
    if (!borrowing_) own_texture_ = texture;
    borrowing_ = other != 0;
    texture = borrowing_ ? other : own_texture_;
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
