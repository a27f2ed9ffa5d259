#pragma once

#include <vector>

#include "common/image.h"
#include "page_assembly.h"

// A software drawing of a built picture as the game shows it: the white
// sheet, the regions (painted with the palette, or left blank), the outlines
// and the numbers. For the contact sheet and for looking at the artwork.
Image render_picture(const BuiltPicture& pic, double px_per_unit, bool painted);

// Tiles laid out in rows of `columns` on a grey board.
Image contact_sheet(const std::vector<Image>& tiles, int columns);
