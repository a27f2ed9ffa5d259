#include <algorithm>
#include <cmath>

#include "camera_look.h"
#include "layout.h"
#include "test_scenes.h"

Image portrait(int w, int h, uint64_t seed) {
    const Layout L(w, h);
    const float soft = std::max(1.0f, L.len(0.15f));

    // Wallpaper: soft teal with rows of little cream flowers.
    Image img = gradient_backdrop(L, w, h, rgb(0x9FCFC8), {0, 0}, rgb(0x7FB3AE), {100, 75});
    for (int row = 0; row < 14; ++row)
        for (int col = 0; col < 19; ++col) {
            const float x = col * 5.5f + (row % 2) * 2.75f, y = row * 5.5f + 1;
            for (int k = 0; k < 5; ++k) {
                const float a = k * 2 * kPi / 5;
                fill(img, L.circle(x + 0.9f * std::cos(a), y + 0.9f * std::sin(a), 0.6f), rgb(0xF4EBD0), soft);
            }
            fill(img, L.circle(x, y, 0.45f), rgb(0xE8A94B), soft);
        }

    // Shirt, neck, hair behind the head.
    fill(img, L.ellipse(50, 84, 36, 20), linear_gradient(L.p(20, 66), rgb(0xD9543A), L.p(80, 75), rgb(0xA83A28)), soft);
    fill(img, rounded_rect(L.p(44.5f, 48).x, L.p(0, 48).y, L.p(55.5f, 0).x, L.p(0, 67).y, L.len(2)),
         linear_gradient(L.p(0, 50), rgb(0xC98E6A), L.p(0, 66), rgb(0xE2AE88)), soft);
    fill(img, L.ellipse(50, 35, 19, 23), radial_gradient(L.p(46, 28), L.len(24), rgb(0x6E4828), rgb(0x3E2614)), soft);

    // The face, its ears and the fringe.
    for (float x : {36.8f, 63.2f}) fill(img, L.ellipse(x, 39, 2.2f, 3.6f), rgb(0xE3A982), soft);
    fill(img, L.ellipse(50, 39, 13, 17), radial_gradient(L.p(48, 36), L.len(17), rgb(0xF6CDAA), rgb(0xD89A74)), soft);
    fill(img, intersect(L.ellipse(50, 21, 15, 7.5f), L.ellipse(50, 35, 19, 23)),
         radial_gradient(L.p(46, 20), L.len(12), rgb(0x6E4828), rgb(0x4A2E18)), soft);

    // Cheeks, brows, eyes.
    for (float x : {40.5f, 59.5f}) fill(img, L.circle(x, 44, 3), rgb(0xF08A80, 0.35f), L.len(2.5f));
    for (float side : {-1.0f, 1.0f}) {
        const float cx = 50 + side * 6.5f;
        fill(img, arc(L.p(cx, 34.5f).x, L.p(cx, 34.5f).y, L.len(3.6f), L.len(0.45f), kPi * 1.22f, kPi * 1.78f),
             rgb(0x4A2E18), soft);
        fill(img, L.ellipse(cx, 35, 2.9f, 1.6f), rgb(0xF7F4EE), soft);
        fill(img, L.circle(cx, 35, 1.35f), radial_gradient(L.p(cx, 35), L.len(1.35f), rgb(0x5B8FC8), rgb(0x2F5A8A)), soft);
        fill(img, L.circle(cx, 35, 0.6f), rgb(0x141414), soft);
        fill(img, L.circle(cx + 0.4f, 34.5f, 0.22f), rgb(0xFFFFFF), soft);
        fill(img, arc(L.p(cx, 36.6f).x, L.p(cx, 36.6f).y, L.len(3.1f), L.len(0.25f), kPi * 1.2f, kPi * 1.8f),
             rgb(0x3A2418), soft);
    }

    // The nose: a shadow down its side, the nostrils.
    fill(img, polyline(L.pts({51, 37, 51.6f, 41, 51.2f, 43}), L.len(0.5f)), rgb(0xC98462, 0.7f), L.len(0.6f));
    for (float x : {48.6f, 51.4f}) fill(img, L.ellipse(x, 44, 0.75f, 0.45f), rgb(0x7A4530), soft);

    // The smiling mouth: red lips around a dark line.
    const Pt m = L.p(50, 43.5f);
    fill(img, arc(m.x, m.y, L.len(5.5f), L.len(0.9f), kPi * 0.27f, kPi * 0.73f), rgb(0xC8504E), soft);
    fill(img, arc(m.x, m.y, L.len(5.5f), L.len(0.28f), kPi * 0.25f, kPi * 0.75f), rgb(0x5A1E1E), soft);

    Rng rng(seed);
    add_camera_look(img, rng, 0.3f, 0.018f);
    return img;
}
