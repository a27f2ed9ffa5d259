#include <algorithm>
#include <cmath>
#include <vector>

#include "common/rng.h"
#include "camera_look.h"
#include "common/shapes.h"
#include "layout.h"
#include "test_scenes.h"

Image photo_scene(int w, int h, uint64_t seed) {
    const Layout L(w, h);
    Rng rng(seed);
    const float soft = std::max(1.0f, L.len(0.12f));  // a camera's slightly soft edges

    // Sky, sun and clouds.
    Image img = gradient_backdrop(L, w, h, rgb(0x3C6FC4), {0, 0}, rgb(0xBCD6EE), {0, 45});
    fill(img, circle(L.p(82, 12).x, L.p(82, 12).y, L.len(11)), radial_gradient(L.p(82, 12), L.len(11), rgb(0xFFF4C8, 0.9f), rgb(0xFFF4C8, 0)), soft);
    fill(img, circle(L.p(82, 12).x, L.p(82, 12).y, L.len(4.5f)), rgb(0xFFEFA0), soft);
    const float clouds[3][3] = {{20, 10, 1.0f}, {50, 7, 0.8f}, {62, 18, 0.6f}};
    for (const auto& c : clouds)
        for (int k = 0; k < 6; ++k) {
            const Pt at = L.p(c[0] + (k - 2.5f) * 3.2f * c[2], c[1] + (k % 2 ? -1.2f : 0.8f) * c[2]);
            fill(img, circle(at.x, at.y, L.len((3 + (k % 3)) * c[2])), rgb(0xF7F9FC, 0.9f), L.len(1.5f));
        }

    // Hills, then the meadow.
    fill(img, land(L, 40, 3, 2.3f, 0.7f), linear_gradient(L.p(0, 36), rgb(0x7FA39A), L.p(0, 52), rgb(0x5E8A5A)), soft);
    fill(img, land(L, 49, 2, 1.6f, 2.1f), linear_gradient(L.p(0, 47), rgb(0x74B83A), L.p(0, 75), rgb(0x3A7021)), soft);

    // The path from the door to the lower edge.
    fill(img, polygon(L.pts({28, 56, 33, 56, 44, 76, 20, 76})), linear_gradient(L.p(0, 56), rgb(0xCDBB98), L.p(0, 75), rgb(0xB29E7C)), soft);

    // The house: wall lit from the right, roof, chimney, door, windows.
    fill(img, rounded_rect(L.p(18, 34).x, L.p(18, 34).y, L.p(42, 56).x, L.p(42, 56).y, 0),
         linear_gradient(L.p(18, 0), rgb(0xD9C7A0), L.p(42, 0), rgb(0xF2E4C2)), soft);
    fill(img, rounded_rect(L.p(35, 20).x, L.p(35, 20).y, L.p(38.5f, 30).x, L.p(38.5f, 30).y, 0), rgb(0x8E3B2A), soft);
    fill(img, polygon(L.pts({14.5f, 35.5f, 30, 21.5f, 45.5f, 35.5f})),
         linear_gradient(L.p(0, 22), rgb(0xB8432F), L.p(0, 36), rgb(0x8A2E22)), soft);
    fill(img, rounded_rect(L.p(27, 44).x, L.p(27, 44).y, L.p(33, 56).x, L.p(33, 56).y, L.len(0.6f)), rgb(0x6B4424), soft);
    for (float x : {20.0f, 35.5f}) {
        fill(img, rounded_rect(L.p(x, 38).x, L.p(x, 38).y, L.p(x + 5, 43.5f).x, L.p(x + 5, 43.5f).y, 0), rgb(0xFFFFFF), soft);
        fill(img, rounded_rect(L.p(x + 0.5f, 38.5f).x, L.p(x + 0.5f, 38.5f).y, L.p(x + 4.5f, 43).x, L.p(x + 4.5f, 43).y, 0),
             linear_gradient(L.p(x, 38.5f), rgb(0x9CC8E8), L.p(x + 4, 43), rgb(0x4D7FA8)), soft);
    }

    // The tree: trunk and a crown of overlapping leafy balls.
    fill(img, polygon(L.pts({66, 58, 66.8f, 36, 69.2f, 36, 70.5f, 58})), linear_gradient(L.p(66, 0), rgb(0x5A3C22), L.p(70, 0), rgb(0x7A5634)), soft);
    const float crown[5][3] = {{68, 27, 9}, {61, 32, 6.5f}, {75, 32, 6.5f}, {64, 22, 5.5f}, {72, 22, 5.5f}};
    for (const auto& c : crown) {
        const Pt at = L.p(c[0], c[1]);
        fill(img, circle(at.x, at.y, L.len(c[2])),
             radial_gradient(L.p(c[0] - c[2] * 0.3f, c[1] - c[2] * 0.4f), L.len(c[2] * 1.3f), rgb(0x5DA639), rgb(0x2A6A22)), soft);
    }

    // A ginger cat sitting in the grass, looking at us.
    const Rgba fur = rgb(0xE08A3C), fur_dark = rgb(0xB8662A);
    fill(img, polyline(L.pts({56, 66, 59, 65, 60, 61.5f}), L.len(0.7f)), fur_dark, soft);
    fill(img, ellipse(L.p(53, 63).x, L.p(53, 63).y, L.len(4.2f), L.len(4.8f)), radial_gradient(L.p(52, 61), L.len(6), fur, fur_dark), soft);
    fill(img, polygon(L.pts({49.6f, 55, 50.3f, 51, 52, 54})), fur_dark, soft);
    fill(img, polygon(L.pts({54, 54, 55.7f, 51, 56.4f, 55})), fur_dark, soft);
    fill(img, circle(L.p(53, 56).x, L.p(53, 56).y, L.len(3.3f)), radial_gradient(L.p(52.2f, 55), L.len(4), fur, fur_dark), soft);
    for (float x : {51.8f, 54.2f}) fill(img, circle(L.p(x, 55.6f).x, L.p(x, 55.6f).y, L.len(0.45f)), rgb(0x2F5A22), soft);

    // Flowers in the meadow.
    const int flower_colours[4] = {0xE8383D, 0xFFD23F, 0xFFFFFF, 0xC04CC8};
    for (int k = 0; k < 60; ++k) {
        const float x = static_cast<float>(rng.range(2, 98)), y = static_cast<float>(rng.range(56, 74));
        if (x > 16 && x < 46 && y < 60) continue;  // not on the path or the house
        fill(img, circle(L.p(x, y).x, L.p(x, y).y, L.len(static_cast<float>(rng.range(0.4, 0.9)))), rgb(flower_colours[k % 4]), soft);
    }

    // Light falling off towards the rim, and the sensor's grain.
    add_camera_look(img, rng, 0.35f, 0.02f);
    return img;
}
