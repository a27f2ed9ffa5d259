#pragma once

// The twenty pictures: palette (colour numbers 1 to tubes) and how many
// regions each colour has in the simple and the detailed variant (index 10
// counts the fixed white regions).
struct PictureInfo {
    int number;
    int tubes;
    unsigned palette[9];  // 0xRRGGBB
    int simple[11];       // [0] unused
    int detailed[11];
};

const PictureInfo& picture_info(int number);  // 1 to 20

// Palette colour N (1 to 9) of a picture; colour 10, the fixed regions, is white.
unsigned palette_colour(const PictureInfo& info, int colour);
