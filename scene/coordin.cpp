#include "scene/coordin.h"

#include <GL/gl.h>

void Coordin::empty() {
    pos_x = pos_y = pos_z = 0.0;
    rot_x = rot_y = rot_z = 0.0;
    scale_x = scale_y = scale_z = 1.0;
}

void Coordin::chposition(double x, double y, double z) {
    pos_x = x;
    pos_y = y;
    pos_z = z;
}

void Coordin::addposition(double x, double y, double z) {
    pos_x += x;
    pos_y += y;
    pos_z += z;
}

void Coordin::chrot(double x, double y, double z) {
    rot_x = x;
    rot_y = y;
    rot_z = z;
}

void Coordin::addrot(double x, double y, double z) {
    rot_x += x;
    rot_y += y;
    rot_z += z;
}

void Coordin::chscale(double x, double y, double z) {
    scaled = true;
    scale_x = x;
    scale_y = y;
    scale_z = z;
}

void Coordin::addscale(double x, double y, double z) {
    scaled = true;
    scale_x += x;
    scale_y += y;
    scale_z += z;
}

void Coordin::move_position() const {
    if (pos_x != 0.0 || pos_y != 0.0 || pos_z != 0.0)
        glTranslatef(static_cast<float>(pos_x), static_cast<float>(pos_y), static_cast<float>(pos_z));
}

// A zero angle issues no call; a vertex ends up rotated about z, then y, then x.
void Coordin::move_rot() const {
    if (rot_x != 0.0) glRotatef(static_cast<float>(rot_x), 1.0f, 0.0f, 0.0f);
    if (rot_y != 0.0) glRotatef(static_cast<float>(rot_y), 0.0f, 1.0f, 0.0f);
    if (rot_z != 0.0) glRotatef(static_cast<float>(rot_z), 0.0f, 0.0f, 1.0f);
}

void Coordin::move() const {
    move_position();
    move_rot();
}

void Coordin::scale() const { glScaled(scale_x, scale_y, scale_z); }
