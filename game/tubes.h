#pragma once

#include "scene/color.h"

// The paint tubes along the left edge: one numbered tube per colour of the
// picture in paint-by-numbers mode, 18 unnumbered ones in free colouring.

void create_colors_f(void* param);            // builds the holders, once
void create_color_f(void* param);             // holder: (re)builds its tube when its colour changes
void when_brush_select_color_f(void* param);  // tube: hover, pick, hint, bursts; param is the ribbon
void colors_scale_f(void* param);             // tube appears
void colors_click_scale_f(void* param);       // tube squishes when picked
void colors_hint_scale_f(void* param);        // tube pulses after a wrong click

// Where tube i of n stands in the tube root's frame.
struct TubePlace {
    double x, y, z;
};
TubePlace tube_place(int i, int n, bool by_numbers);

// Colour i (0 to 17) of the free-colouring palette: each channel v/256.
Color free_palette_color(int i);
constexpr int free_tube_count = 18;
