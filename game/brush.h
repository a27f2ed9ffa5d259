#pragma once

// The brush drawn in place of the pointer: a handle that follows the mouse
// and bristles in the colour of the paint the brush carries.
void create_brush_f(void* param);        // builds handle and bristles, once
void brush_mouse_f(void* param);         // handle: follows the pointer
void brush_update_color_f(void* param);  // bristles: the brush colour, thinner when clean
