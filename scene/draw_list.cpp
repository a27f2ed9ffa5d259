#include "scene/draw_list.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "res/drawn_resources.h"
#include "scene/draw_blend.h"
#include "scene/model.h"
#include "scene/object.h"
#include "scene/recording.h"

Draw_state draw_state;
Draw_list* draw_list_target = nullptr;

namespace {

std::vector<Draw_list*>& open_lists() {
    static std::vector<Draw_list*> lists;
    return lists;
}

Draw_record make_record(const Model& m) {
    Draw_record r{};
    std::memcpy(r.matrix, m.matrix, sizeof r.matrix);
    r.model = &m;
    r.vertices = m.vertices;
    r.normals = m.normals;
    r.texcoords = m.texcoords;
    r.material = m.material;
    r.triangles = m.triangle_count;
    r.texture = m.texture;
    r.colored = m.colored;
    r.alpha_test = m.alpha_tested();
    if (m.colored)
        for (int i = 0; i < 4; ++i) r.rgba[i] = m.rgba[i];
    else
        r.rgba[0] = r.rgba[1] = r.rgba[2] = r.rgba[3] = 1.0;
    return r;
}

// The GL state the records are drawn with, set only where it changes from
// one record to the next: the walk's switches (lighting and its lights, the
// depth test), the model's own (alpha test, blending and depth writes), the
// texture, the material and the colour.
class Gl_state {
public:
    void draw(const Draw_record& r) {
        set_switches(r.lighting, r.lights, r.depth_test);
        set(GL_ALPHA_TEST, alpha_test_, r.alpha_test != 0);
        set(GL_BLEND, blend_, r.blend != 0);
        if (!depth_mask_known_ || depth_mask_ != !r.blend) {
            glDepthMask(r.blend ? GL_FALSE : GL_TRUE);
            depth_mask_ = !r.blend;
            depth_mask_known_ = true;
        }
        glLoadMatrixd(r.matrix);
        const bool material_changed = material_ == nullptr || std::memcmp(material_, r.material, 56) != 0;
        if (material_changed) {
            apply_material(r.material);
            material_ = r.material;
        }
        if (!texture_known_ || texture_ != r.texture) {
            glBindTexture(GL_TEXTURE_2D, r.texture);
            texture_ = r.texture;
            texture_known_ = true;
        }
        double rgba[4] = {1.0, 1.0, 1.0, 1.0};
        if (r.colored) {
            std::memcpy(rgba, r.rgba, 3 * sizeof(double));
            rgba[3] = r.blend ? r.rgba[3] : 1.0;
        }
        if (material_changed || !colour_known_ || std::memcmp(rgba, colour_, sizeof rgba) != 0) {
            set_colour(rgba);
            std::memcpy(colour_, rgba, sizeof rgba);
            colour_known_ = true;
        }
        glTexCoordPointer(2, GL_FLOAT, 0, r.texcoords);
        glVertexPointer(3, GL_FLOAT, 0, r.vertices);
        glNormalPointer(GL_FLOAT, 0, r.normals);
        glDrawArrays(GL_TRIANGLES, 0, 3 * r.triangles);
    }

    // Back to the state the frame starts from: lighting off, depth test on,
    // no alpha test, no blending, depth writes on.
    void finish() {
        set_switches(false, 0, true);
        set(GL_ALPHA_TEST, alpha_test_, false);
        set(GL_BLEND, blend_, false);
        glDepthMask(GL_TRUE);
    }

private:
    static void set(GLenum cap, int& known, bool on) {
        if (known == (on ? 1 : 0)) return;
        if (on)
            glEnable(cap);
        else
            glDisable(cap);
        known = on ? 1 : 0;
    }

    void set_switches(bool lighting, uint8_t lights, bool depth_test) {
        set(GL_LIGHTING, lighting_, lighting);
        // Bit i is GL_LIGHT1 + i: the seven lights after GL_LIGHT0 (every GL
        // has eight).
        for (int i = 0; i < 7; ++i)
            set(static_cast<GLenum>(GL_LIGHT1 + i), lights_[i], lighting && (lights >> i & 1));
        set(GL_DEPTH_TEST, depth_test_, depth_test);
    }

    // The material block is read through copies: its floats need not be aligned.
    static void apply_material(const unsigned char* material) {
        float ambient[4], diffuse[4], specular[4], shininess;
        std::memcpy(ambient, material + 4, 16);
        std::memcpy(diffuse, material + 20, 16);
        std::memcpy(specular, material + 36, 16);
        std::memcpy(&shininess, material + 52, 4);
        glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, shininess);
        glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
        glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
    }

    // The colour drives the material's ambient and diffuse (what colour
    // material would do) and, unlit, is the colour itself. Both are set
    // outright: switching colour material on to take the current colour is
    // not reliable in every driver (Mesa may take the colour before the one
    // just given on a fresh context, and a colour equal to the current one
    // is no change to it at all).
    static void set_colour(const double rgba[4]) {
        glDisable(GL_COLOR_MATERIAL);
        const GLfloat c[4] = {static_cast<GLfloat>(rgba[0]), static_cast<GLfloat>(rgba[1]),
                              static_cast<GLfloat>(rgba[2]), static_cast<GLfloat>(rgba[3])};
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, c);
        glColor4d(rgba[0], rgba[1], rgba[2], rgba[3]);
    }

    // -1 unknown, 0 off, 1 on
    int lighting_ = -1, depth_test_ = -1, alpha_test_ = -1, blend_ = -1;
    int lights_[7] = {-1, -1, -1, -1, -1, -1, -1};
    bool depth_mask_known_ = false, depth_mask_ = true;
    const unsigned char* material_ = nullptr;
    bool texture_known_ = false;
    uint32_t texture_ = 0;
    bool colour_known_ = false;
    double colour_[4] = {};
};

}  // namespace

void Draw_list::clear() {
    records.clear();
    resources = drawn_resources_generation;
}

void Draw_list::add(const Model& m) {
    Draw_record r = make_record(m);
    r.depth_test = draw_state.depth_test;
    r.lighting = draw_state.lighting;
    r.lights = draw_state.lights;
    records.push_back(r);
}

void Draw_list::add_blended(const std::vector<Model*>& queued) {
    for (const Model* m : queued) {
        Draw_record r = make_record(*m);
        r.blend = 1;
        r.depth_test = m->saved_depth_test;
        r.lighting = m->saved_lighting;
        for (int i = 0; i < 8; ++i) r.lights |= static_cast<uint8_t>((m->saved_lighting && m->saved_lights[i]) << i);
        records.push_back(r);
    }
}

void Draw_list::forget(const Model* m) {
    records.erase(std::remove_if(records.begin(), records.end(), [m](const Draw_record& r) { return r.model == m; }),
                  records.end());
}

void Draw_list::open() {
    if (std::find(open_lists().begin(), open_lists().end(), this) == open_lists().end()) open_lists().push_back(this);
}

void Draw_list::close() { open_lists().erase(std::remove(open_lists().begin(), open_lists().end(), this), open_lists().end()); }

void Draw_list::forget_everywhere(const Model* m) {
    for (Draw_list* list : open_lists()) list->forget(m);
}

namespace {

// The nearest and the farthest eye-space depth of a record's geometry.
void depth_range(const Draw_record& r, double& nearest, double& farthest) {
    float box[6];
    r.model->box(box);
    const double* m = r.matrix;
    nearest = -1e300;
    farthest = 1e300;
    for (int corner = 0; corner < 8; ++corner) {
        const double x = box[corner & 1 ? 3 : 0], y = box[corner & 2 ? 4 : 1], z = box[corner & 4 ? 5 : 2];
        const double eye_z = m[2] * x + m[6] * y + m[10] * z + m[14];
        nearest = std::max(nearest, eye_z);
        farthest = std::min(farthest, eye_z);
    }
}

// The first opaque model, the backdrop every scene starts with, may be drawn
// after the other opaque models when it lies wholly behind every one of them
// and all are depth-tested: the depth test then leaves exactly the pixels it
// would have left, and what the others cover is never shaded twice.
bool backdrop_goes_last(const std::vector<Draw_record>& records) {
    if (records.size() < 2 || records[0].blend || !records[0].depth_test) return false;
    double back_near, back_far;
    depth_range(records[0], back_near, back_far);
    for (size_t i = 1; i < records.size(); ++i) {
        const Draw_record& r = records[i];
        if (r.blend) continue;
        if (!r.depth_test) return false;
        double near_z, far_z;
        depth_range(r, near_z, far_z);
        if (!(back_near < far_z)) return false;
    }
    return true;
}

}  // namespace

// Opaque models first, in the walk's order, then the blended ones; every
// record with the state it was recorded with.
void Draw_list::issue() const {
    glMatrixMode(GL_MODELVIEW);
    Gl_state gl;
    const bool defer = backdrop_goes_last(records);
    bool deferred_drawn = !defer;
    for (size_t i = defer ? 1 : 0; i < records.size(); ++i) {
        if (!deferred_drawn && records[i].blend) {
            gl.draw(records[0]);
            deferred_drawn = true;
        }
        gl.draw(records[i]);
    }
    if (!deferred_drawn) gl.draw(records[0]);
    gl.finish();
}

bool Draw_list::bounds(int out[4]) const {
    GLdouble projection[16];
    GLint viewport[4];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    double x0 = 1e18, y0 = 1e18, x1 = -1e18, y1 = -1e18;
    for (const Draw_record& r : records) {
        float box[6];
        r.model->box(box);
        for (int corner = 0; corner < 8; ++corner) {
            double wx, wy, wz;
            if (!gluProject(box[corner & 1 ? 3 : 0], box[corner & 2 ? 4 : 1], box[corner & 4 ? 5 : 2], r.matrix,
                            projection, viewport, &wx, &wy, &wz))
                continue;
            x0 = std::min(x0, wx);
            y0 = std::min(y0, wy);
            x1 = std::max(x1, wx);
            y1 = std::max(y1, wy);
        }
    }
    if (x0 > x1) return false;
    out[0] = static_cast<int>(std::floor(x0));
    out[1] = static_cast<int>(std::floor(y0));
    out[2] = static_cast<int>(std::ceil(x1));
    out[3] = static_cast<int>(std::ceil(y1));
    return true;
}

void Draw_list::note_lights() {
    for (int i = 0; i < 4; ++i) glGetLightfv(static_cast<GLenum>(GL_LIGHT1 + i), GL_POSITION, light_positions[i]);
}

bool Draw_list::same_as(const Draw_list& other) const {
    return resources == other.resources && records.size() == other.records.size() &&
           std::memcmp(light_positions, other.light_positions, sizeof light_positions) == 0 &&
           (records.empty() ||
            std::memcmp(records.data(), other.records.data(), records.size() * sizeof(Draw_record)) == 0);
}

void draw_tree_now(Object* root) {
    Draw_list list;
    {
        Recording recording(list);
        root->draw();
    }
    list.issue();
    list.close();
}
