#include "shell/screen_place.h"

#include <GL/glu.h>

#include <algorithm>
#include <cmath>

#include "scene/model.h"
#include "scene/object.h"
#include "shell/scena.h"

namespace {

// The window's projection, as the scene is drawn with it.
struct Projection {
    GLdouble matrix[16];
    GLint viewport[4];
    Projection() {
        glGetDoublev(GL_PROJECTION_MATRIX, matrix);
        glGetIntegerv(GL_VIEWPORT, viewport);
    }
    bool to_window(const double* model, double x, double y, double z, double& wx, double& wy) const {
        double wz = 0;
        return to_window(model, x, y, z, wx, wy, wz);
    }
    bool to_window(const double* model, double x, double y, double z, double& wx, double& wy, double& wz) const {
        if (!gluProject(x, y, z, model, matrix, viewport, &wx, &wy, &wz)) return false;
        wy = viewport[3] - 1 - wy;
        return true;
    }
};

template <typename Each>
void each_triangle(const Object* o, const Projection& p, Each each) {
    for (const Model* m : o->models) {
        if (!m->vertices) continue;
        const float* v = reinterpret_cast<const float*>(m->vertices);
        for (int t = 0; t < m->triangle_count; ++t) {
            double x[3], y[3];
            bool ok = true;
            for (int k = 0; k < 3 && ok; ++k) ok = p.to_window(m->matrix, v[9 * t + 3 * k], v[9 * t + 3 * k + 1], v[9 * t + 3 * k + 2], x[k], y[k]);
            if (ok) each(x, y);
        }
    }
}

double segment_distance(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay, l2 = dx * dx + dy * dy;
    const double t = l2 > 0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / l2, 0.0, 1.0) : 0.0;
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

}  // namespace

void to_cursor_plane(double x, double y, double depth, double& cx, double& cy) {
    if (!scena || scena->width <= 0 || scena->height <= 0) return;
    const double nx = (x / scena->width - 0.5) * 2.0, ny = (y / scena->height - 0.5) * 2.0;
    cx = -(nx * scena->get_x_coord(-depth));
    cy = ny * scena->get_y_coord(-depth);
}

double cursor_plane_units(double pixels, double depth) {
    if (!scena || scena->height <= 0) return 0;
    return pixels / scena->height * 2.0 * -scena->get_y_coord(-depth);
}

void place_on_screen(Object* badge, double x, double y, double radius, double depth) {
    if (!badge || !scena) return;
    double cx = 0, cy = 0;
    to_cursor_plane(x, y, depth, cx, cy);
    const double r = cursor_plane_units(radius, depth);
    badge->chposition(cx, cy, 100.0 - depth);
    badge->chscale(r, r, 1.0);
}

bool screen_box(const Object* o, Screen_box& out) {
    const Projection p;
    bool any = false;
    for (const Model* m : o->models) {
        if (!m->vertices || m->triangle_count == 0) continue;
        float b[6];
        m->box(b);
        for (int corner = 0; corner < 8; ++corner) {
            double x = 0, y = 0, z = 1;
            if (!p.to_window(m->matrix, b[corner & 1 ? 3 : 0], b[corner & 2 ? 4 : 1], b[corner & 4 ? 5 : 2], x, y, z))
                continue;
            if (!any) out = {x, y, x, y, z};
            out.depth = std::min(out.depth, z);
            out.x0 = std::min(out.x0, x), out.x1 = std::max(out.x1, x);
            out.y0 = std::min(out.y0, y), out.y1 = std::max(out.y1, y);
            any = true;
        }
    }
    return any;
}

bool screen_point(const Object* o, double& x, double& y) {
    const Projection p;
    double widest = -1;
    each_triangle(o, p, [&](const double* tx, const double* ty) {
        const double area = std::abs((tx[1] - tx[0]) * (ty[2] - ty[0]) - (ty[1] - ty[0]) * (tx[2] - tx[0]));
        if (area <= widest) return;
        widest = area;
        x = (tx[0] + tx[1] + tx[2]) / 3;
        y = (ty[0] + ty[1] + ty[2]) / 3;
    });
    return widest >= 0;
}

double screen_distance(const Object* o, double x, double y) {
    const Projection p;
    double best = 1e18;
    each_triangle(o, p, [&](const double* tx, const double* ty) {
        // Inside: the point is on one side of all three edges.
        double s[3];
        for (int k = 0; k < 3; ++k) {
            const int n = (k + 1) % 3;
            s[k] = (tx[n] - tx[k]) * (y - ty[k]) - (ty[n] - ty[k]) * (x - tx[k]);
        }
        if ((s[0] >= 0 && s[1] >= 0 && s[2] >= 0) || (s[0] <= 0 && s[1] <= 0 && s[2] <= 0)) {
            best = 0;
            return;
        }
        for (int k = 0; k < 3; ++k)
            best = std::min(best, segment_distance(x, y, tx[k], ty[k], tx[(k + 1) % 3], ty[(k + 1) % 3]));
    });
    return best;
}
