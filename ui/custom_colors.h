#pragma once

// The dialog that gives the tube in the brush a colour of the child's own:
// a palette, a swatch showing the colour under the pointer and one showing
// the tube's colour. A click on the palette takes the colour and closes; the
// close button (or Escape) leaves the tube as it was.

// Runs in the container of create_default_menu_m(create_change_colors_f, n),
// n the 0-based colour number of the tube in the brush.
void create_change_colors_f(void* param);

// The palette (param: the hover swatch): shows the colour under the pointer,
// takes it on a click.
void create_palitra_f(void* param);
// The hover swatch, once (param: the tube's swatch): the colour goes to the
// tube's swatch.
void change_const_color_f(void* param);
// The tube's swatch, once (param: the container; iparam1: the colour number):
// the colour replaces the tube's and loads the brush, then the dialog closes.
void apply_color_and_exit_f(void* param);
// The container on cancel, once: the brush gets back (dparam1..3), unless a
// click on the palette came first, which then completes: tube, brush and the
// saved colour always agree.
void load_old_colors_f(void* param);
