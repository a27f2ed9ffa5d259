#pragma once

#include <utility>
#include <vector>

// The gallery: every picture at a glance in the child's own colours, the
// finished ones starred, the begun ones with a ring showing how far, the one
// on screen framed, and the count of finished pictures in the title row. A
// click on a picture turns to it, as the arrows do. It opens from the
// gallery button of the base screen or with Tab, through the same menu
// protocol as every menu.

// Runs in the container of create_default_menu_m(create_gallery_f, 0).
void create_gallery_f(void* param);

// The gallery's thumbnails are drawn a few per frame, each into a texture of
// its own, while the panel grows in (param: the gallery's state).
void gallery_draw_thumbnails_f(void* param);

// A thumbnail (iparam1: its place, 0 to 19), and a page arrow (iparam1: -1
// or 1).
void when_mouse_select_gallery_tile_f(void* param);
void when_mouse_select_gallery_arrow_f(void* param);

// Endless, on the interface-button builder: when a picture of the child's
// own has been imported, shows it (closing the gallery).
void watch_own_import_f(void* param);

// The base screen's gallery button (and Tab).
void when_mouse_select_gallery_button_f(void* param);

// While the game rests: draws one thumbnail the next opening would show and
// does not have yet (the painting changed, or it was never drawn); false
// when there was none to draw.
bool gallery_draw_ahead();

// Gives back the textures the gallery keeps between openings; while the
// window is still open.
void gallery_release();

class Object;

// What the open gallery shows of each picture on its page (for tests and
// tools); empty while it is not open.
struct Gallery_tile_view {
    int picture = 0;
    Object* tile = nullptr;
    bool framed = false;     // the picture on screen
    bool starred = false;    // finished
    int ring = 0;            // begun: the painted share in 24ths, 0 when not begun or finished
    bool drawn = false;      // its thumbnail shows the painting
};
std::vector<Gallery_tile_view> gallery_view();
// The count of the title row: finished pictures and all pictures.
std::pair<int, int> gallery_count();
// The "+" tile, when the open gallery shows it on its page; else null.
Object* gallery_plus_tile();

// Tiles of the gallery in use at most, and the side of a thumbnail's texture.
constexpr int gallery_tiles = 20;
constexpr int thumbnail_pixels = 256;
