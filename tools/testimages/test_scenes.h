#pragma once

#include <cstdint>

#include "common/image.h"

// Pictures pintabo-import is tried on, drawn here so that nothing
// downloaded is needed: the tests, the benchmark and the look at the
// results use them. Each is laid out on 100 x 75 units (x right, y down)
// and drawn at any size; drawn for 4:3.

// A point of a scene's layout; at W x H pixels it lies at
// (x * W / 100, y * H / 75).
struct ScenePoint {
    float x, y;
};

// A sunny garden as a camera would take it: a sky with clouds and the sun,
// hills, a house, a tree, a path, a cat, flowers in the grass, soft
// shading, a darker rim and sensor grain.
Image photo_scene(int w, int h, uint64_t seed = 1);

// A child's crayon drawing on paper: a scribbled sky, sun and grass, a
// house with hatched walls and roof, a flower and a person, all in waxy,
// gappy strokes.
Image crayon_drawing(int w, int h, uint64_t seed = 2);

// A colouring page as printed from the web: black lines on white paper. A
// frog on a lily pad (eyes with filled pupils, a smile drawn as a line,
// nostrils, spots, thin toes with filled pads), the water's edge behind it
// with a gap of two pixels, a water lily, reeds (a stem of two thin lines
// close together, a filled cattail), the sun and a cloud. `scanned` gives
// it as a scanner would: grey paper, unevenly lit, soft grey lines, grain.
Image colouring_page(int w, int h, bool scanned = false, uint64_t seed = 3);
namespace frog_page {
constexpr ScenePoint left_pupil{43.5f, 25.5f}, right_pupil{56.5f, 25.5f};
constexpr ScenePoint smile{50, 37};      // on the smile's line
constexpr ScenePoint gap{12, 56};        // the gap's left end, on the water's edge
constexpr ScenePoint sky_by_gap{12.5f, 52}, water_by_gap{12.5f, 60};
constexpr ScenePoint reed_stem{88.7f, 42};  // between the stem's two lines
constexpr ScenePoint belly{50, 50}, sky{40, 8};
}  // namespace frog_page

// A studio portrait: a face (skin shaded to its rim, eyes with irises and
// pupils, eyebrows, a nose with nostrils, a smiling mouth, blushed cheeks)
// under brown hair, a neck and a shirt, before wallpaper of little flowers.
Image portrait(int w, int h, uint64_t seed = 4);
namespace portrait_face {
constexpr ScenePoint left_eye{43.5f, 35}, right_eye{56.5f, 35};
constexpr ScenePoint smile{50, 49};  // the middle of the mouth
constexpr ScenePoint nose{50, 44};   // between the nostrils
}  // namespace portrait_face

// A ginger cat's face close up: furry, with tabby stripes, green eyes with
// slit pupils, a pink nose, the mouth's lines, white whiskers, before a
// garden out of focus.
Image pet_face(int w, int h, uint64_t seed = 5);
namespace cat_face {
constexpr ScenePoint left_eye{38, 38}, right_eye{62, 38};
constexpr ScenePoint nose{50, 46.5f};
constexpr ScenePoint mouth{50, 51};
constexpr ScenePoint whisker{26, 52.9f};  // on the left side's middle whisker
}  // namespace cat_face

// A meadow with small sheep grazing under a wide sky: clouds, far hills,
// grass with its blades, a tree, five sheep (woolly white bodies, dark
// heads and legs) of two to five units.
Image meadow_sheep(int w, int h, uint64_t seed = 6);
namespace meadow {
// Where the sheep's bodies are, and how large each is.
constexpr ScenePoint sheep[5] = {{24, 58}, {40, 63}, {63, 56}, {78, 64}, {52, 68}};
constexpr float sheep_size[5] = {1.2f, 1.0f, 0.85f, 1.15f, 1.05f};
}  // namespace meadow
