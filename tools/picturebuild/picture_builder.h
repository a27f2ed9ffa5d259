#pragma once

#include "page_assembly.h"

// Builds one variant of one of the twenty pictures from its drawing: cut
// into the regions of the game's table, assembled, checked.
BuiltPicture build_picture(int number, bool detailed, const DigitGlyphs& glyphs);
