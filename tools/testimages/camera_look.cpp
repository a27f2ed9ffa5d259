#include "camera_look.h"

#include <algorithm>

void add_camera_look(Image& img, Rng& rng, float rim, float grain) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const float u = (x + 0.5f) / img.width() - 0.5f, v = (y + 0.5f) / img.height() - 0.5f;
            const float k = 1.0f - rim * (u * u + v * v);
            const Rgba c = img.get(x, y);
            const float n = static_cast<float>(rng.range(-1, 1) + rng.range(-1, 1)) * grain;
            img.set(x, y, {std::clamp(c.r * k + n, 0.0f, 1.0f), std::clamp(c.g * k + n, 0.0f, 1.0f),
                           std::clamp(c.b * k + n, 0.0f, 1.0f), 1});
        }
}
