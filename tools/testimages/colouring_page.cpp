#include <algorithm>
#include <array>
#include <cmath>

#include "common/rng.h"
#include "layout.h"
#include "test_scenes.h"

namespace {

constexpr float kLine = 0.3f;  // half a line's width, layout units

// The outline of a shape as a line of half width `hw`.
Shape ring(const Shape& s, float hw) { return subtract(grown(s, hw), grown(s, -hw)); }

// A capsule: a toe, a reed's stem.
Shape capsule(const Layout& L, float x0, float y0, float x1, float y1, float r) {
    return segment(L.p(x0, y0), L.p(x1, y1), L.len(r));
}

}  // namespace

Image colouring_page(int w, int h, bool scanned, uint64_t seed) {
    const Layout L(w, h);
    const float hw = L.len(kLine);
    Image img(w, h, {1, 1, 1, 1});
    std::vector<Shape> ink;

    // The frog: head, body and six toes as one outline, the eyes over it.
    const Shape head = L.ellipse(50, 33, 13, 8.5f), body = L.ellipse(50, 48, 16, 12.5f);
    Shape frog = unite(head, body);
    std::vector<Pt> toe_tips;
    for (int side : {-1, 1})
        for (int t = 0; t < 3; ++t) {
            const float a = (side < 0 ? kPi * 0.62f : kPi * 0.38f) + side * (t - 1) * 0.38f;
            const float x0 = 50 + side * 10.0f, y0 = 58.5f, x1 = x0 + 5.2f * std::cos(a), y1 = y0 + 5.2f * std::sin(a);
            frog = unite(frog, capsule(L, x0, y0, x1, y1, 0.9f));
            toe_tips.push_back(L.p(x1, y1));
        }
    const Shape eyes[2] = {L.circle(43, 25, 4), L.circle(57, 25, 4)};
    const Shape inside_eyes = grown(unite(eyes[0], eyes[1]), -hw);
    ink.push_back(subtract(ring(frog, hw), inside_eyes));
    for (const Shape& e : eyes) ink.push_back(ring(e, hw));
    ink.push_back(intersect(ring(head, hw), grown(body, -hw)));  // the chin
    for (const ScenePoint& pupil : {frog_page::left_pupil, frog_page::right_pupil})
        ink.push_back(L.circle(pupil.x, pupil.y, 1.6f));
    for (float x : {48.0f, 52.0f}) ink.push_back(L.circle(x, 30.5f, 0.45f));  // nostrils
    ink.push_back(arc(L.p(50, 30).x, L.p(50, 30).y, L.len(7), hw, kPi * 0.3f, kPi * 0.7f));  // the smile
    for (const Pt& tip : toe_tips) ink.push_back(circle(tip.x, tip.y, L.len(1.0f)));  // toe pads
    ink.push_back(ring(L.circle(41, 47, 2.6f), hw));  // spots on the back
    ink.push_back(ring(L.circle(58, 50, 3), hw));
    ink.push_back(ring(L.circle(50, 54, 1.3f), hw));
    const Shape frog_inside = grown(frog, -hw);

    // The water's edge behind the frog, with a gap of two pixels.
    const float gap_x = L.p(frog_page::gap.x, 0).x;
    const Shape horizon = subtract(segment(L.p(-1, 56), L.p(101, 56), hw), frog_inside);
    ink.push_back(subtract(horizon, rounded_rect(gap_x, 0, gap_x + 2, static_cast<float>(h), 0)));

    // The lily pad under it, its veins, and a water lily.
    const Shape pad = subtract(L.ellipse(50, 66, 26, 5.5f), polygon(L.pts({50, 66, 70, 73, 76, 69})));
    ink.push_back(subtract(ring(pad, hw), frog_inside));
    for (float x : {30.0f, 38.0f, 62.0f}) ink.push_back(segment(L.p(50, 67.5f), L.p(x, 70), hw * 0.8f));
    Shape petals = L.circle(14, 68.5f, 1.6f);
    for (int k = 0; k < 5; ++k) {
        const float a = k * 2 * kPi / 5 - kPi / 2;
        petals = unite(petals, L.circle(14 + 2.6f * std::cos(a), 68.5f + 2.6f * std::sin(a), 2.0f));
    }
    ink.push_back(ring(petals, hw));
    ink.push_back(ring(L.circle(14, 68.5f, 1.3f), hw));
    for (const auto& r : {std::array<float, 3>{5, 62, 3}, {85, 67, 4}, {92, 72, 3}})
        ink.push_back(arc(L.p(r[0], r[1]).x, L.p(r[0], r[1]).y, L.len(r[2]), hw * 0.8f, kPi * 1.15f, kPi * 1.85f));

    // Reeds: a stem of two thin lines close together under a cattail, and
    // a single blade.
    ink.push_back(capsule(L, 88, 56, 88, 28, kLine));
    ink.push_back(capsule(L, 89.4f, 56, 89.4f, 28, kLine));
    ink.push_back(L.ellipse(88.7f, 25.5f, 1.4f, 4.2f));
    ink.push_back(polyline(L.pts({93, 56, 93.5f, 44, 95.5f, 33}), hw));

    // The sun with its rays, and a cloud.
    ink.push_back(ring(L.circle(12, 12, 6), hw));
    for (int k = 0; k < 8; ++k) {
        const float a = k * kPi / 4 + 0.2f;
        ink.push_back(segment(L.p(12 + 8 * std::cos(a), 12 + 8 * std::sin(a)),
                              L.p(12 + 11 * std::cos(a), 12 + 11 * std::sin(a)), hw));
    }
    const Shape cloud = unite(unite(L.circle(66, 13, 4), L.circle(72, 10, 5)),
                              unite(L.circle(78, 13, 4), rounded_rect(L.p(66, 13).x, L.p(0, 13).y, L.p(78, 0).x, L.p(0, 17).y, 0)));
    ink.push_back(ring(cloud, hw));

    // Paper and ink; a scan is greyer, unevenly lit, soft and grainy.
    const Rgba paper = scanned ? Rgba{0.86f, 0.85f, 0.82f, 1} : Rgba{1, 1, 1, 1};
    const Rgba pen = scanned ? Rgba{0.22f, 0.22f, 0.25f, 1} : Rgba{0.07f, 0.07f, 0.07f, 1};
    if (scanned)
        fill(img, rounded_rect(0, 0, w, h, 0), linear_gradient({0, 0}, paper, {static_cast<float>(w), static_cast<float>(h)}, mix(paper, {0.74f, 0.73f, 0.70f, 1}, 0.6f)));
    const float soft = scanned ? std::max(1.5f, L.len(0.12f)) : 1.0f;
    for (const Shape& s : ink) fill(img, s, pen, soft);
    if (scanned) {
        Rng rng(seed);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                Rgba c = img.get(x, y);
                const float n = static_cast<float>(rng.range(-0.035, 0.035));
                img.set(x, y, {std::clamp(c.r + n, 0.0f, 1.0f), std::clamp(c.g + n, 0.0f, 1.0f), std::clamp(c.b + n, 0.0f, 1.0f), 1});
            }
    }
    return img;
}
