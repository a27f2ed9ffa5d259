#include "layout.h"

#include <cmath>

Shape land(const Layout& L, float base, float swell, float waves, float phase) {
    std::vector<Pt> v;
    for (int i = 0; i <= 40; ++i) {
        const float x = -2 + 104.0f * i / 40;
        v.push_back(L.p(x, base + swell * std::sin(waves * x / 100 * 6.2832f + phase)));
    }
    v.push_back(L.p(102, 77));
    v.push_back(L.p(-2, 77));
    return polygon(v);
}

Image gradient_backdrop(const Layout& L, int w, int h, Rgba top, ScenePoint from, Rgba bottom, ScenePoint to) {
    Image img(w, h, {1, 1, 1, 1});
    fill(img, rounded_rect(0, 0, w, h, 0), linear_gradient(L.p(from.x, from.y), top, L.p(to.x, to.y), bottom));
    return img;
}
