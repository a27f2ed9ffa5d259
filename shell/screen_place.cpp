#include "shell/screen_place.h"

#include <GL/glu.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <vector>

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

bool screen_extent(const Object* o, Screen_box& out) {
    const Projection p;
    bool any = false;
    each_triangle(o, p, [&](const double* tx, const double* ty) {
        for (int k = 0; k < 3; ++k) {
            if (!any) out.x0 = out.x1 = tx[k], out.y0 = out.y1 = ty[k];
            out.x0 = std::min(out.x0, tx[k]), out.x1 = std::max(out.x1, tx[k]);
            out.y0 = std::min(out.y0, ty[k]), out.y1 = std::max(out.y1, ty[k]);
            any = true;
        }
    });
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

bool screen_inner_point(const Object* o, double& x, double& y, double* clearance) {
    const Projection p;
    struct Triangle {
        double x[3], y[3], area;
    };
    std::vector<Triangle> triangles;
    each_triangle(o, p, [&](const double* tx, const double* ty) {
        Triangle t{{tx[0], tx[1], tx[2]}, {ty[0], ty[1], ty[2]}, 0};
        t.area = std::abs((tx[1] - tx[0]) * (ty[2] - ty[0]) - (ty[1] - ty[0]) * (tx[2] - tx[0]));
        triangles.push_back(t);
    });
    if (triangles.empty()) return false;
    // Its outline: the edges only one triangle has (neighbours share theirs,
    // corner for corner, so their ends project to the same pixels).
    using Edge = std::array<long long, 4>;
    std::map<Edge, int> uses;
    const auto at = [](double v) { return std::llround(v * 64.0); };
    for (const Triangle& t : triangles)
        for (int k = 0; k < 3; ++k) {
            Edge e{at(t.x[k]), at(t.y[k]), at(t.x[(k + 1) % 3]), at(t.y[(k + 1) % 3])};
            if (std::make_pair(e[2], e[3]) < std::make_pair(e[0], e[1])) e = {e[2], e[3], e[0], e[1]};
            ++uses[e];
        }
    std::vector<Edge> outline;
    for (const auto& [e, n] : uses)
        if (n == 1) outline.push_back(e);
    // The deepest of a grid of points over the object, then of finer grids
    // round the best so far; the widest triangle's middle (screen_point's
    // answer) to start from, so it is never worse than that.
    const auto inside = [&](double px, double py) {
        for (const Triangle& t : triangles) {
            double side[3];
            for (int k = 0; k < 3; ++k) {
                const int n = (k + 1) % 3;
                side[k] = (t.x[n] - t.x[k]) * (py - t.y[k]) - (t.y[n] - t.y[k]) * (px - t.x[k]);
            }
            if ((side[0] >= 0 && side[1] >= 0 && side[2] >= 0) || (side[0] <= 0 && side[1] <= 0 && side[2] <= 0)) return true;
        }
        return false;
    };
    const auto depth = [&](double px, double py) {
        double d = 1e18;
        for (const Edge& e : outline) d = std::min(d, segment_distance(px, py, e[0] / 64.0, e[1] / 64.0, e[2] / 64.0, e[3] / 64.0));
        return d;
    };
    const Triangle* widest = &triangles.front();
    double x0 = 1e18, y0 = 1e18, x1 = -1e18, y1 = -1e18;
    for (const Triangle& t : triangles) {
        if (t.area > widest->area) widest = &t;
        for (int k = 0; k < 3; ++k) x0 = std::min(x0, t.x[k]), x1 = std::max(x1, t.x[k]), y0 = std::min(y0, t.y[k]), y1 = std::max(y1, t.y[k]);
    }
    x = (widest->x[0] + widest->x[1] + widest->x[2]) / 3;
    y = (widest->y[0] + widest->y[1] + widest->y[2]) / 3;
    double deepest = depth(x, y);
    double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, step_x = (x1 - x0) / 16, step_y = (y1 - y0) / 16;
    for (int round = 0, half = 8; round < 3; ++round, half = 3) {
        for (int i = -half; i <= half; ++i)
            for (int j = -half; j <= half; ++j) {
                const double px = cx + i * step_x, py = cy + j * step_y;
                if (!inside(px, py)) continue;
                const double d = depth(px, py);
                if (d > deepest) deepest = d, x = px, y = py;
            }
        cx = x, cy = y, step_x /= 3, step_y /= 3;
    }
    if (clearance) *clearance = deepest;
    return deepest >= 0;
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
