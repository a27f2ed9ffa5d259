#pragma once

// Every region of the picture carries when_brush_select_scena_f: it fades
// the region towards its stored colour and decides whether a click paints.
// iparam1 is the region id, iparam2 its 0-based colour number.
void when_brush_select_scena_f(void* param);

// Watchers run by the main menu: they rebuild the picture as soon as the
// mode (by numbers / free) or the variant (simple / detailed) is switched.
// iparam1 holds the option's value seen last frame.
void redraw_scene_when_check_f(void* param);
void redraw_scene_when_check_complex_f(void* param);
