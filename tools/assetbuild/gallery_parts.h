#pragma once

#include "archive_builder.h"
#include "sheet.h"

// The gallery's artwork in "langall.pak" (layout.h, "Gallery", has where
// the game stands each piece).

// "gallery_dialog", "gallery_thumb", "gallery_frame", "gallery_star",
// "gallery_ring_back", "gallery_ring01".."gallery_ring24", "gallery_add",
// "gallery_arrow_left", "gallery_arrow_right".
void add_gallery_artwork(ArchiveBuilder& pak);
// "gallery_digit0".."gallery_digit9", "gallery_slash", "gallery_count_star".
void add_gallery_count(ArchiveBuilder& pak);

// The size (scene units, for the bold face) whose figures are
// layout::gallery_digit_height tall: the count's, and the title's beside it.
double gallery_text_size();

// A gold five-pointed star with rounded tips and a darker outline, `size`
// scene units across, its bounding box centred on (x, z).
void paint_gold_star(Sheet& sheet, double x, double z, double size);
