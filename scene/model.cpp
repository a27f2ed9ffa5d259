#include "scene/model.h"

#include <GL/gl.h>

#include <cstring>

#include "res/media.h"
#include "res/texturebase.h"
#include "scene/draw_blend.h"
#include "scene/model_record.h"

Model::~Model() {
    draw_blend_models.forget(this);
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

// The material block is read through copies: its floats need not be aligned.
void Model::apply_material() const {
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

// Colour material makes the current colour drive ambient and diffuse. The
// material is refreshed from the colour when colour material is switched on,
// so every model sets its colour with it off and then switches it on: a tint
// restored by glPopAttrib, or a colour equal to the current one, would
// otherwise leave the previous model's tint in the material.
void Model::set_colour(double r, double g, double b, double a, bool tinted) const {
    glDisable(GL_COLOR_MATERIAL);
    if (tinted)
        glColor4d(r, g, b, a);
    else
        glColor4d(1.0, 1.0, 1.0, 1.0);
    glEnable(GL_COLOR_MATERIAL);
}

void Model::draw_arrays() const {
    glTexCoordPointer(2, GL_FLOAT, 0, texcoords);
    glVertexPointer(3, GL_FLOAT, 0, vertices);
    glNormalPointer(GL_FLOAT, 0, normals);
    glDrawArrays(GL_TRIANGLES, 0, 3 * triangle_count);
}

void Model::draw() {
    glGetDoublev(GL_MODELVIEW_MATRIX, matrix);
    if (!material) return;
    if (blended()) {
        saved_depth_test = glIsEnabled(GL_DEPTH_TEST);
        saved_lighting = glIsEnabled(GL_LIGHTING);
        if (saved_lighting)
            for (int i = 0; i < 8; ++i) saved_lights[i] = glIsEnabled(static_cast<GLenum>(GL_LIGHT1 + i));
        draw_blend_models.push_model(this);
        return;
    }
    if (alpha_tested()) glEnable(GL_ALPHA_TEST);
    apply_material();
    glBindTexture(GL_TEXTURE_2D, texture);
    if (colored) glPushAttrib(GL_CURRENT_BIT);
    set_colour(rgba[0], rgba[1], rgba[2], 1.0, colored);
    draw_arrays();
    if (colored) glPopAttrib();
    if (alpha_tested()) glDisable(GL_ALPHA_TEST);
}

void Model::draw_blend() {
    if (!saved_depth_test) glDisable(GL_DEPTH_TEST);
    if (saved_lighting) {
        glEnable(GL_LIGHTING);
        for (int i = 0; i < 8; ++i)
            if (saved_lights[i]) glEnable(static_cast<GLenum>(GL_LIGHT1 + i));
    }
    if (alpha_tested()) glEnable(GL_ALPHA_TEST);
    glLoadMatrixd(matrix);
    glEnable(GL_BLEND);
    apply_material();
    glBindTexture(GL_TEXTURE_2D, texture);
    if (colored) glPushAttrib(GL_CURRENT_BIT);
    set_colour(rgba[0], rgba[1], rgba[2], rgba[3], colored);
    draw_arrays();
    if (colored) glPopAttrib();
    if (!saved_depth_test) glEnable(GL_DEPTH_TEST);
    if (saved_lighting) {
        glDisable(GL_LIGHTING);
        for (int i = 0; i < 8; ++i)
            if (saved_lights[i]) glDisable(static_cast<GLenum>(GL_LIGHT1 + i));
    }
    if (alpha_tested()) glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
}

void Model::draw_for_hit_test() const {
    if (!vertices) return;
    glLoadMatrixd(matrix);
    glVertexPointer(3, GL_FLOAT, 0, vertices);
    glDrawArrays(GL_TRIANGLES, 0, 3 * triangle_count);
}

void Model::draw_only_grab_matrix() { glGetDoublev(GL_MODELVIEW_MATRIX, matrix); }
