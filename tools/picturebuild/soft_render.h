#pragma once

#include <vector>

#include "common/image.h"
#include "picture_builder.h"
#include "scene.h"

// A software drawing of a built picture as the game shows it: the white
// sheet, the regions (painted with the palette, or left blank), the outlines
// and the numbers. For the contact sheet and for looking at the artwork.
Image render_picture(const BuiltPicture& pic, double px_per_unit, bool painted);

// The scene's shapes as rasterised, each in its palette colour, at half the
// raster's size: for looking at a drawing that does not cut yet.
Image render_scene(const Scene& scene, int picture);

// Tiles laid out in rows of `columns` on a grey board.
Image contact_sheet(const std::vector<Image>& tiles, int columns);
