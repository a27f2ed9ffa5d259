#include "support/game_session.h"

#include <GL/glu.h>

#include <algorithm>
#include <cmath>

#include "audio/sound.h"
#include "save/config.h"
#include "scene/draw_blend.h"
#include "scene/model.h"
#include "scene/object.h"
#include "shell/frame_loop.h"
#include "shell/hits.h"
#include "shell/startup.h"
#include "save/settings_writer.h"

void session_start(bool help_at_start) {
    load_settings();
    if (!help_at_start) conf->help_on_start = false;
    sound = new Sound();
    start_scene();
}

void session_quit(void (*frame)()) {
    exit_scene();
    for (int guard = 0; frame_loop_running() && guard < 500; ++guard) frame();
    draw_blend_models.models.clear();
    free_game();
    hits.hit = nullptr;
}

bool session_next_child(void (*frame)(), void (*between)()) {
    if (!profile_change_pending()) return false;
    leave_for_next_child();
    for (int guard = 0; frame_loop_running() && guard < 500; ++guard) frame();
    draw_blend_models.models.clear();
    hits.hit = nullptr;
    settings_writer.flush();
    if (between) between();
    return start_next_child();
}

std::vector<std::pair<int, int>> screen_points_inside(const Object* object) {
    std::vector<std::pair<int, int>> points;
    if (object->models.empty()) return points;
    const Model* m = object->models[0];
    const float* v = reinterpret_cast<const float*>(m->vertices);
    std::vector<std::pair<double, int>> order;
    for (int t = 0; t < m->triangle_count; ++t) {
        const float* p = v + 9 * t;
        order.push_back({-std::abs((p[3] - p[0]) * (p[7] - p[1]) - (p[4] - p[1]) * (p[6] - p[0])), t});
    }
    std::sort(order.begin(), order.end());
    double proj[16];
    GLint view[4];
    glGetDoublev(GL_PROJECTION_MATRIX, proj);
    glGetIntegerv(GL_VIEWPORT, view);
    for (const auto& [area, t] : order) {
        const float* p = v + 9 * t;
        double wx, wy, wz;
        if (!gluProject((p[0] + p[3] + p[6]) / 3, (p[1] + p[4] + p[7]) / 3, (p[2] + p[5] + p[8]) / 3, m->matrix, proj,
                        view, &wx, &wy, &wz))
            continue;
        points.push_back({static_cast<int>(wx), view[3] - 1 - static_cast<int>(wy)});
    }
    return points;
}
