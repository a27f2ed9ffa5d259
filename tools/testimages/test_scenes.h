#pragma once

#include <cstdint>

#include "common/image.h"

// A sunny garden as a camera would take it: a sky with clouds and the sun,
// hills, a house, a tree, a path, a cat, flowers in the grass, soft
// shading, a darker rim and sensor grain. Any size; drawn for 4:3.
Image photo_scene(int w, int h, uint64_t seed = 1);

// A child's crayon drawing on paper: a scribbled sky, sun and grass, a
// house with hatched walls and roof, a flower and a person, all in waxy,
// gappy strokes. Any size; drawn for 4:3.
Image crayon_drawing(int w, int h, uint64_t seed = 2);
