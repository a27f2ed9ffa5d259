#include <algorithm>
#include <cmath>

#include "camera_look.h"
#include "layout.h"
#include "test_scenes.h"

Image pet_face(int w, int h, uint64_t seed) {
    const Layout L(w, h);
    Rng rng(seed);
    const float soft = std::max(1.0f, L.len(0.15f));

    // A garden out of focus.
    Image img = gradient_backdrop(L, w, h, rgb(0xA9C68E), {0, 0}, rgb(0x5E8A4C), {0, 75});
    for (int k = 0; k < 14; ++k) {
        const float x = static_cast<float>(rng.range(0, 100)), y = static_cast<float>(rng.range(0, 75));
        fill(img, L.circle(x, y, static_cast<float>(rng.range(3, 7))), rgb(k % 3 ? 0xD4E6B0 : 0x3F6A35, 0.35f), L.len(3));
    }

    // Ears, head and the cream muzzle.
    const Rgba fur = rgb(0xE3923F), fur_dark = rgb(0xB8662A), pink = rgb(0xE8A0A8);
    for (float side : {-1.0f, 1.0f}) {
        const auto x = [side](float dx) { return 50 + side * dx; };
        fill(img, polygon(L.pts({x(26), 32, x(25), 3, x(7), 20})), fur_dark, soft);
        fill(img, polygon(L.pts({x(23), 26, x(23), 8.5f, x(11), 19})), pink, soft);
    }
    const Shape head = L.ellipse(50, 43, 29, 25);
    fill(img, head, radial_gradient(L.p(48, 38), L.len(30), fur, fur_dark), soft);
    // Fur: short strokes of lighter and darker orange everywhere on it.
    for (int k = 0; k < 2600; ++k) {
        const float x = static_cast<float>(rng.range(22, 78)), y = static_cast<float>(rng.range(19, 67));
        const float a = std::atan2(y - 52, x - 50) + static_cast<float>(rng.range(-0.4, 0.4));
        const Pt p0 = L.p(x, y), p1 = L.p(x + 1.3f * std::cos(a), y + 1.3f * std::sin(a));
        const Rgba c = k % 2 ? rgb(0xF2AE62, 0.45f) : rgb(0xA8581F, 0.4f);
        fill(img, intersect(segment(p0, p1, L.len(0.12f)), head), c, soft);
    }
    // Tabby stripes on the forehead.
    for (float dx : {-5.0f, 0.0f, 5.0f})
        fill(img, polyline(L.pts({50 + dx * 1.2f, 20, 50 + dx, 25, 50 + dx * 0.8f, 29}), L.len(1.1f)),
             rgb(0x9A4F1C, 0.8f), L.len(0.8f));
    for (float x : {45.0f, 55.0f}) fill(img, L.ellipse(x, 53, 7, 5.2f), rgb(0xF6E6CC), L.len(0.8f));
    fill(img, L.ellipse(50, 59, 6, 3.5f), rgb(0xF3DEC0), L.len(0.8f));

    // Eyes: dark rims, green irises, slit pupils, a glint.
    for (const ScenePoint& e : {cat_face::left_eye, cat_face::right_eye}) {
        fill(img, L.ellipse(e.x, e.y, 6.2f, 5.0f), rgb(0x3A2412), soft);
        fill(img, L.ellipse(e.x, e.y, 5.4f, 4.3f), radial_gradient(L.p(e.x, e.y), L.len(5), rgb(0xC8DC48), rgb(0x6E9A28)), soft);
        fill(img, L.ellipse(e.x, e.y, 1.2f, 3.8f), rgb(0x0E0E0E), soft);
        fill(img, L.circle(e.x + 1.8f, e.y - 1.6f, 0.7f), rgb(0xFFFFFF), soft);
    }

    // Nose, mouth, whiskers.
    const ScenePoint n = cat_face::nose;
    fill(img, polygon(L.pts({n.x - 3.5f, n.y - 1.5f, n.x + 3.5f, n.y - 1.5f, n.x, n.y + 2.5f})), rgb(0xE07A8A), soft);
    const Rgba line = rgb(0x4A2A1A);
    fill(img, segment(L.p(n.x, n.y + 2.5f), L.p(n.x, n.y + 5), L.len(0.3f)), line, soft);
    for (float side : {-1.0f, 1.0f})
        fill(img, arc(L.p(n.x + side * 3, n.y + 4.5f).x, L.p(0, n.y + 4.5f).y, L.len(3), L.len(0.3f),
                      side < 0 ? kPi * 0.05f : kPi * 0.45f, side < 0 ? kPi * 0.55f : kPi * 0.95f),
             line, soft);
    for (float side : {-1.0f, 1.0f})
        for (int k = 0; k < 3; ++k) {
            const float y0 = 50.5f + k * 1.6f, dy = (k - 1) * 2.5f;
            fill(img, polyline(L.pts({50 + side * 7, y0, 50 + side * 16, y0 + dy * 0.4f + 0.3f, 50 + side * 27, y0 + dy + 1}),
                               L.len(0.16f)),
                 rgb(0xF8F4EC), soft);
        }

    add_camera_look(img, rng, 0.25f, 0.02f);
    return img;
}
