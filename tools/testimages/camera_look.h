#pragma once

#include "common/image.h"
#include "common/rng.h"

// What a camera adds to a scene: light falling off towards the rim (by
// `rim` at the corners' half) and the sensor's grain (`grain` at most
// twice, in each channel alike).
void add_camera_look(Image& img, Rng& rng, float rim, float grain);
