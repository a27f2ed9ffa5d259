#pragma once

#include "common/image.h"
#include "common/shapes.h"

// The round buttons of the base screen, painted into any image: the game's
// artwork, the help picture's legend and the desktop icon share them.
enum class ButtonIcon {
    close,     // a white cross on red
    help,      // a question mark on blue
    menu,      // a cog on amber
    left,      // an arrow to the left on green
    right,     // an arrow to the right on green
    color,     // a colour wheel on purple
    reset,     // a turning arrow around a rainbow dot, on teal
    back,      // a curved arrow going back, on orange
    clear,     // an eraser wiping, on indigo
    gallery,   // four little pictures in a grid, on raspberry
    camera,    // a camera, on cyan
    children,  // two children's heads side by side, on green
};

// A glossy disc of radius r (pixels) centred at c, with its icon.
void paint_button(Image& img, ButtonIcon icon, Pt c, float r);
// Just the white icon, sized for a disc of radius r.
void paint_button_icon(Image& img, ButtonIcon icon, Pt c, float r);
// The colour of the disc.
Rgba button_colour(ButtonIcon icon);
