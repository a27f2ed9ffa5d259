#include "shell/hits.h"

#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "scene/model.h"
#include "scene/object.h"
#include "shell/input.h"
#include "shell/screen_place.h"

bool hits_layer1 = false;
bool hits_layer2 = false;
bool menu_block = false;

void Hits::test_hit() { candidates.push_back(Object_curent); }

bool Hits::is_hit() const { return hit != nullptr && hit == Object_curent; }

namespace {

// Whether a model, with the matrix of its last draw, may cover the pick
// region: its bounds projected to the window, against the region's square.
bool may_cover(const Model* m, const GLdouble projection[16], const GLint viewport[4], double px, double py) {
    float box[6];
    m->box(box);
    double x0 = 1e18, y0 = 1e18, x1 = -1e18, y1 = -1e18;
    for (int corner = 0; corner < 8; ++corner) {
        double wx, wy, wz;
        if (!gluProject(box[corner & 1 ? 3 : 0], box[corner & 2 ? 4 : 1], box[corner & 4 ? 5 : 2], m->matrix,
                        projection, viewport, &wx, &wy, &wz))
            return true;  // cannot tell: let the selection pass decide
        x0 = wx < x0 ? wx : x0;
        y0 = wy < y0 ? wy : y0;
        x1 = wx > x1 ? wx : x1;
        y1 = wy > y1 ? wy : y1;
    }
    return x1 >= px - 2.0 && x0 <= px + 2.0 && y1 >= py - 2.0 && y0 <= py + 2.0;
}

}  // namespace

// What the pick depends on: the pointer, the candidates in their order and
// each of their models' geometry and matrix.
void Hits::remember_pick(std::vector<double>& into) const {
    into.clear();
    into.push_back(static_cast<double>(mouse.x));
    into.push_back(static_cast<double>(mouse.y));
    for (const Object* o : candidates) {
        double id = 0.0;
        std::memcpy(&id, &o, sizeof o < sizeof id ? sizeof o : sizeof id);
        into.push_back(id);
        for (const Model* m : o->models) {
            double geometry = 0.0;
            std::memcpy(&geometry, &m->vertices, sizeof m->vertices < sizeof geometry ? sizeof m->vertices : sizeof geometry);
            into.push_back(geometry);
            into.push_back(static_cast<double>(m->triangle_count));
            into.insert(into.end(), m->matrix, m->matrix + 16);
        }
    }
}

bool Hits::grown_area(const Object* o, double& x0, double& y0, double& x1, double& y1, double* depth) {
    Screen_box b;
    if (!screen_box(o, b)) return false;
    if (depth) *depth = b.depth;
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    const double half = fingertip_px * viewport[3] / 768.0 / 2;
    const double hw = std::max(b.width() / 2, half), hh = std::max(b.height() / 2, half);
    x0 = b.centre_x() - hw, x1 = b.centre_x() + hw, y0 = b.centre_y() - hh, y1 = b.centre_y() + hh;
    return true;
}

// The grown candidate whose area holds the pointer: of the nearest layer
// (a dialog before the screen behind it), the one with the nearer middle
// where areas meet; null for none.
Object* Hits::grown_under(double px, double py) const {
    Object* best = nullptr;
    double nearest = 1e18, best_depth = 2;
    for (Object* o : grown) {
        double x0, y0, x1, y1, depth = 1;
        if (!grown_area(o, x0, y0, x1, y1, &depth) || px < x0 || px > x1 || py < y0 || py > y1) continue;
        const double d = std::hypot(px - (x0 + x1) / 2, py - (y0 + y1) / 2);
        const bool nearer_layer = depth < best_depth - 1e-4, same_layer = std::abs(depth - best_depth) <= 1e-4;
        if (nearer_layer || (same_layer && d < nearest)) nearest = d, best = o, best_depth = depth;
    }
    return best;
}

void Hits::recalc() {
    if (aimed_) {
        hit = aimed_;
        aimed_ = nullptr;
        pick_known = false;  // the pointer answers again from the next pick on
        candidates.clear();
        grown.clear();
        return;
    }
    // Nothing under the pointer can have changed: the same answer stands.
    remember_pick(next_pick_);
    if (pick_known && next_pick_.size() == last_pick_.size() &&
        std::memcmp(next_pick_.data(), last_pick_.data(), next_pick_.size() * sizeof(double)) == 0) {
        candidates.clear();
        grown.clear();
        return;
    }
    last_pick_.swap(next_pick_);
    pick_known = true;
    ++passes;

    GLdouble saved[16];
    GLint viewport[4];
    glGetDoublev(GL_PROJECTION_MATRIX, saved);
    glGetIntegerv(GL_VIEWPORT, viewport);
    const double px = static_cast<double>(mouse.x), py = static_cast<double>(viewport[3] - mouse.y);

    // Only what may lie under the pointer goes through the selection pass,
    // under its own index, so the order of the candidates still settles ties.
    std::vector<size_t> near;
    for (size_t i = 0; i < candidates.size(); ++i)
        for (const Model* m : candidates[i]->models)
            if (m->vertices && may_cover(m, saved, viewport, px, py)) {
                near.push_back(i);
                break;
            }
    hit = nullptr;
    const auto finish = [&] {
        // Beside a button but on no other button: the button's grown area answers.
        if (!hit || std::find(grown.begin(), grown.end(), hit) == grown.end())
            if (Object* g = grown_under(mouse.x, mouse.y)) hit = g;
        candidates.clear();
        grown.clear();
    };
    if (near.empty()) {
        finish();
        return;
    }

    glSelectBuffer(512, select_buffer);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPickMatrix(px, py, 2.0, 2.0, viewport);
    glMultMatrixd(saved);
    glMatrixMode(GL_MODELVIEW);

    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    for (size_t i : near) {
        glLoadName(static_cast<GLuint>(i));
        candidates[i]->draw_for_hit_test();
    }
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glFlush();
    const GLint records = glRenderMode(GL_RENDER);

    if (records > 0) {
        GLuint best_depth = select_buffer[1];
        GLuint best_name = select_buffer[3];
        for (GLint r = 1; r < records; ++r) {
            const GLuint depth = select_buffer[r * 4 + 1];
            if (depth < best_depth || (depth == best_depth && select_buffer[r * 4 + 3] < best_name)) {
                best_depth = depth;
                best_name = select_buffer[r * 4 + 3];
            }
        }
        if (best_name < candidates.size()) hit = candidates[best_name];
    }
    finish();

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void mouse_select(int phase, void*) {
    if (phase == 1) hits.test_hit();
}

bool is_pickable(const Object* o) {
    for (const fun_and_param& f : o->funs)
        if (f.fun == mouse_select || f.fun == mouse_select_grown) return true;
    return false;
}

void mouse_select_grown(int phase, void*) {
    if (phase != 1) return;
    hits.test_hit();
    hits.grown.push_back(Object_curent);
}

bool clicked_here() { return hits.is_hit() && mouse.left_click; }

bool clicked_on_layer(int layer) {
    if (!clicked_here()) return false;
    if (layer == 0) return !hits_layer1;
    if (menu_block) return false;
    return layer == 1 ? hits_layer1 && !hits_layer2 : hits_layer2;
}

bool is_hit_layer0() { return hits.is_hit() && !hits_layer1; }
bool is_hit_layer1() { return hits.is_hit() && hits_layer1 && !hits_layer2; }
