#pragma once

#include <string>
#include <vector>

#include "sheet_shapes.h"

class Archive;

// The drawing of a picture archive as it goes on paper: the outlines
// (`list_kontur`), then the numbers with the clear space around them
// (`list_nums`), in the order the game stacks them towards the viewer.
struct SheetLayer {
    std::vector<SheetRing> rings;
    bool paper = false;  // the clear space round a number: white, not ink
};

struct SheetArt {
    PicturePlane plane = PicturePlane::xz;
    std::vector<SheetLayer> layers;
    SheetPoint low, high;  // the corners of the box round every layer
};

// The object files of the drawing, in drawing order.
extern const char* const sheet_art_entries[2];

// Reads the drawing. A mesh textured like the picture's sheet (`block`) is
// paper, every other mesh ink. Returns false, with the reason in *error, when
// an entry is missing, malformed or holds no triangles.
bool read_sheet_art(const Archive& archive, SheetArt* art, std::string* error);
