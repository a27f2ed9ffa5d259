#pragma once

#include "common/image.h"
#include "scene.h"

// The scene's shapes as rasterised, each in its palette colour, at half the
// raster's size: for looking at a drawing that does not cut yet.
Image render_scene(const Scene& scene, int picture);
