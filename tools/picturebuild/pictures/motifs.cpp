#include "motifs.h"

#include <vector>

void cloud(Scene& s, int colour, double x, double y, double size, bool separate) {
    const double puffs[4][3] = {{-0.55, -0.1, 0.42}, {0.0, 0.18, 0.55}, {0.55, -0.05, 0.45}, {0.05, -0.3, 0.4}};
    for (const auto& p : puffs) {
        if (separate) s.new_group();
        s.ellipse(colour, x + p[0] * size, y + p[1] * size, p[2] * size * 1.15, p[2] * size);
    }
    s.no_group();
}

void ground(Scene& s, int colour, std::initializer_list<double> heights) {
    const std::vector<double> h(heights);
    const double step = Scene::width / (h.size() - 1);
    Path p;
    p.M(-1, h[0]);
    for (size_t k = 1; k < h.size(); ++k) {
        const double x0 = (k - 1) * step, x1 = k * step;
        p.C(x0 + step * 0.4, h[k - 1], x1 - step * 0.4, h[k], x1 + (k + 1 == h.size() ? 1 : 0), h[k]);
    }
    p.L(101, -1).L(-1, -1);
    s.fill(colour, p.ring());
}

void tree(Scene& s, int crown, int trunk, double x, double y, double size, int puffs, bool separate) {
    s.fill(trunk, poly_ring({x - size * 0.3, y - size * 1.4, x + size * 0.3, y - size * 1.4, x + size * 0.22, y,
                             x - size * 0.22, y}));
    const double pos[6][3] = {{0, 0.25, 0.62}, {-0.45, -0.15, 0.5}, {0.45, -0.15, 0.5}, {0, -0.35, 0.48},
                              {-0.3, 0.55, 0.42}, {0.32, 0.5, 0.42}};
    for (int k = 0; k < puffs && k < 6; ++k) {
        if (separate) s.new_group();
        s.circle(crown, x + pos[k][0] * size, y + pos[k][1] * size, pos[k][2] * size);
    }
    s.no_group();
}
