#pragma once

#include <cstdint>
#include <vector>

// The generators behind procedural textures. Each fills width*height RGBA
// pixels, top row first, from its own state `param`.

// A slowly drifting plasma in the shades of a base colour (param: 3 bytes,
// red, green, blue), mostly transparent, over a green grid every 16 pixels
// and along the last row and column.
void plasma(int time, int width, int height, unsigned char* pixels, void* param);
void delete_plasma_param(void* param);

// The state of a fire: heat per cell, rising from three hidden rows below
// the picture where it is fed at random, coloured through a palette.
struct fire_param {
    unsigned char palette[256][4];        // r, g, b, a per heat
    std::vector<unsigned char> heat[2];   // width*rows each, the current first; row 0 is the top
    int32_t width;
    int32_t rows;                         // the picture's height + 3

    fire_param(int32_t width, int32_t height);

    // Palette entries from..to-1 shade evenly from the first colour towards the second.
    void ShadePalette(unsigned char from, unsigned char to, unsigned char r0, unsigned char g0, unsigned char b0,
                      unsigned char a0, unsigned char r1, unsigned char g1, unsigned char b1, unsigned char a1);
};

// One step of the fire (the time is not used; the randomness is rand()'s).
// Does nothing when `param` was made for another size.
void fire(int time, int width, int height, unsigned char* pixels, void* param);
void delete_fire_param(void* param);
