#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

#include "sheet_layout.h"

class Archive;

// Draws one colouring sheet on the current page of `cr` (a page of `paper`,
// in points from its top left corner): `title` along the top, the outlines
// and numbers of the picture in `archive` in black on white as large as the
// page allows, and under it the colour key, one swatch per entry of `palette`
// (RRGGBB, colour 1 first, one per tube) with its number. Any archive with
// the picture entries will do, the game's own or one made from a photo.
// Returns false, drawing nothing, with the reason in *error when the archive
// holds no drawing.
bool draw_sheet(cairo_t* cr, PaperSize paper, const Archive& archive, const std::vector<uint32_t>& palette,
                const std::string& title, std::string* error);
