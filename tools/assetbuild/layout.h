#pragma once

// Where the game stands every piece of artwork, and the sizes we give it.
// The positions are the game's own (its builders place the widgets there);
// the sizes and panel outlines are ours and are chosen to fit around them.
// Every other file takes its numbers from here.

namespace layout {

// A point in a menu panel's frame: x to the right, z up.
struct Spot {
    double x, z;
};

// A rectangle in a panel's (or a button's) frame.
struct Rect {
    double x0, x1, z0, z1;
    double cx() const { return (x0 + x1) / 2; }
    double cz() const { return (z0 + z1) / 2; }
    double w() const { return x1 - x0; }
    double h() const { return z1 - z0; }
};

inline Rect around(Spot s, double w, double h) { return {s.x - w / 2, s.x + w / 2, s.z - h / 2, s.z + h / 2}; }

// ---- Camera -----------------------------------------------------------------
constexpr double tan_half_fov = 0.41421356237309503;  // vertical field of view 45 degrees
constexpr double button_depth = 39.0;                 // interface buttons: z = 61 in map's frame
constexpr double menu_depth = 18.5;                   // first-level panels: y = -81.5
constexpr double dialog_depth = 17.5;                 // second-level panels: y = -82.5
constexpr double map_depth = 100.0;                   // background: map's origin
constexpr double numbers_tube_depth = 23.0;           // tubes at z = 77 (paint by numbers)
constexpr double free_tube_depth = 25.0;              // tubes at z = 75 (free colouring)
constexpr double widest_aspect = 2.4;                 // backgrounds cover screens up to this
constexpr double narrowest_aspect = 4.0 / 3.0;        // panels stay inside this

constexpr double half_height_at(double depth) { return depth * tan_half_fov; }
// Where a point of the button plane appears on a panel plane.
constexpr double button_to_menu(double v) { return v * menu_depth / button_depth; }

// ---- Base screen (map's frame at the buttons' depth) ------------------------
constexpr double button_radius = 0.8;          // the row stands 0.92 below the top edge
constexpr double top_row_margin = 0.92;
constexpr double top_row_y = half_height_at(button_depth) - top_row_margin;
constexpr double colors_button_x = -7.5;
constexpr double reset_button_x = -3.7;
constexpr double back_button_x = 4.3;
constexpr double clear_button_x = 7.3;
constexpr double page_arrows_x = 14.973;      // both arrows stand here...
constexpr double page_arrows_y = -13.155;
constexpr double page_arrow_offset = 0.95;    // ...and their artwork moves them apart
constexpr double edge_button_inset_near = 1.02;  // quit (right edge) and menu (left edge)
constexpr double edge_button_inset_far = 3.0;    // help (left edge)

// ---- Menu panels: widget positions ------------------------------------------
constexpr double widget_y = -0.2;      // widgets stand just in front of their panel
constexpr double text_y = -0.05;       // a panel's text lies on its frame
constexpr double lang_cursor_back = 0.1;  // the language marker stands this far behind its label

// Main menu ("menu_dialog" + "setup"). The four options on the left, the
// switches and their pace on the right, each row a fingertip (0.88) or more
// from the next; under them the three text buttons side by side, the
// language row and, for the parent, "Print pages".
constexpr Spot numbers_box{-5.3, 2.9};
constexpr Spot detailed_box{-5.3, 1.98};
constexpr Spot sound_box{-5.3, 1.06};
constexpr Spot music_box{-5.3, 0.14};
constexpr Spot menu_close{5.6, 3.75};
constexpr Spot web_button{-3.3, -1.1};
constexpr Spot about_button{0.0, -1.1};
constexpr Spot clearall_button{3.3, -1.1};
constexpr double language_x[5] = {-2.56, -1.28, 0.0, 1.28, 2.56};
constexpr double language_z = -2.75;
// The switch rows: off, one switch, two switches; the one switch's pace
// slow, medium, fast. A short word under each picture.
constexpr double choice_x[3] = {3.1, 4.2, 5.3};
constexpr double switches_z = 2.62;
constexpr double speed_z = 0.9;
constexpr double choice_label_x0 = 0.85, choice_label_x1 = 2.55;  // the row's name, left of its pictures
constexpr double choice_word_dz = 0.68;                             // from a picture's centre down to its word

// Confirmations and the clear-all dialog ("dialog_background").
constexpr Spot ok_button{-1.323, -1.633};
constexpr Spot cancel_button{1.696, -1.633};
// The about dialog ("dialog_background" + "about").
constexpr Spot about_close{0.255, -2.305};
constexpr Spot facebook_button{-2.0, -0.25};
constexpr Spot twitter_button{2.45, -0.25};

// Help screen ("help_dialog" + "help", with "help_bg" over the scene).
constexpr Spot mode_buttons[3] = {{-3.494, -0.44}, {0.136, -0.44}, {3.767, -0.44}};
constexpr Spot help_ok{0.136, -3.212};
constexpr Spot help_start_box{-3.428, -4.17};
constexpr double help_copies_y = -61.005;  // copies of the top-row buttons, in the menu frame
// The help picture's legend of the buttons at the screen's edges, over the
// panel, and its row of keys under it, clear of the tubes and the page arrows.
constexpr Rect help_legend_card{-5.45, 5.9, 1.95, 4.0};
constexpr Rect help_keys_card{-6.0, 6.0, -6.6, -5.0};

// Custom colour dialog ("colors_dialog").
constexpr Spot colors_close{4.296, 2.994};

// ---- Our sizes ----------------------------------------------------------------
// The option boxes stand 0.92 apart: a box and its tick keep clear of the next.
constexpr double check_box_size = 0.52;
constexpr double tick_reach = 0.3;                  // the tick's farthest point from the box's centre
// Text buttons: OK and Cancel stand 3.02 apart, the main menu's three 3.3.
constexpr double pill_w = 2.85, pill_h = 0.88;
// Language labels and the marker behind the chosen one: the row stands
// 1.28 apart, so a marker leaves a little gap to the names beside it.
constexpr double lang_w = 1.16, lang_h = 0.52;
constexpr double lang_pad = 0.07;                   // from the marker's edge to its name
constexpr double close_radius = 0.36;               // round close buttons
constexpr double mode_w = 3.5, mode_h = 2.75;       // help screen's mode buttons
constexpr double option_icon_dx = 0.6;              // from a check box's centre to its picture...
constexpr double option_label_dx = 0.92;            // ...and to where its label starts
// Where the option labels stop, short of the switch rows' band.
constexpr double options_x1 = -0.05;
// The pictures of the switch rows: square tiles, 1.1 apart.
constexpr double choice_size = 0.84;

// The light bands of the main menu: behind the options, behind the switch
// rows, behind the language row.
constexpr Rect options_band{numbers_box.x - 0.42, options_x1 + 0.2, music_box.z - 0.36, numbers_box.z + 0.36};
constexpr Rect switches_band{choice_label_x0 - 0.25, choice_x[2] + choice_size / 2 + 0.18, options_band.z0,
                             options_band.z1};
constexpr Rect language_band{language_x[0] - 0.75, language_x[4] + 0.75, language_z - 0.42, language_z + 0.95};
// "Print pages", for the parent: alone in a row of its own under the
// language band, centred like it and as far below it as the website and
// about buttons stand above it, at (0, -3.87). The main panel reaches down
// to hold it.
constexpr double print_gap = web_button.z - pill_h / 2 - language_band.z1;
constexpr Spot print_button{(language_band.x0 + language_band.x1) / 2, language_band.z0 - print_gap - pill_h / 2};

// Panel outlines (x0, x1, z0, z1) in their own frames.
constexpr Rect main_panel{-6.2, 6.2, -4.65, 4.4};
constexpr Rect picker_panel{-4.05, 4.25, -4.6, 3.5};  // "who is painting?"
constexpr Rect dialog_panel{-3.95, 4.35, -2.95, 2.45};
constexpr Rect help_panel{-5.65, 5.92, -4.75, 1.75};
constexpr Rect colors_panel{-5.3, 5.3, -3.9, 3.75};

// The custom colour dialog's parts.
constexpr Rect gradient_area{-4.7, 1.95, -0.35, 3.15};
constexpr Rect fields_area{-4.7, 1.95, -3.35, -0.75};
constexpr Rect hover_swatch{2.65, 4.75, -0.55, 1.85};
constexpr Rect const_swatch{2.65, 4.75, -3.35, -1.25};

// ---- Gallery ("gallery_dialog" + "gallery") ---------------------------------
// A first-level panel like the main menu (y = -81.5): a title band across
// its top, 20 thumbnails in 5 columns and 4 rows under it.
constexpr Rect gallery_panel{-8.6, 8.6, -6.6, 6.4};
constexpr Rect gallery_title_band{-8.6, 8.6, 5.05, 6.4};    // a lighter tint, clipped to the card
constexpr double gallery_band_z = 5.72;                     // the title row's middle line
constexpr Rect gallery_title{-8.0, 1.0, 5.05, 6.4};         // "gallery": the title, left-aligned
constexpr double gallery_columns_x[5] = {-6.4, -3.2, 0.0, 3.2, 6.4};
constexpr double gallery_rows_z[4] = {3.5, 0.65, -2.2, -5.05};
constexpr double gallery_thumb_size = 2.5;                  // "gallery_thumb", "gallery_add"
constexpr double gallery_thumb_corner = 0.12;               // radius of its rounded corners
constexpr double gallery_frame_outer = 2.9;                 // "gallery_frame" around the picture on screen
constexpr double gallery_frame_inner = 2.56;
constexpr Spot gallery_close{7.8, gallery_band_z};          // "button_close" of langall.pak
// Page arrows ("gallery_arrow_left", "_right", 0.9 across) between the title
// and the count.
constexpr double gallery_arrow_size = 0.9;
constexpr Spot gallery_arrow_left{1.45, gallery_band_z};
constexpr Spot gallery_arrow_right{2.5, gallery_band_z};
// Marks on a thumbnail, each centred on its own origin: the star of a
// finished picture (at the thumbnail's top-right corner) and the progress
// ring of a begun one ("gallery_ring_back" under "gallery_ring01".."24", the
// arc of k/24 from 12 o'clock clockwise).
constexpr double gallery_star_size = 0.95;
constexpr double gallery_ring_back_diameter = 0.9;
constexpr double gallery_ring_diameter = 0.8;               // outer edge of the ring
constexpr double gallery_ring_width = 0.13;
constexpr int gallery_ring_steps = 24;
// The count "★ 7 / 20" right of the title on the band's middle line, about
// x 3.0 to 6.8 ("★ 20 / 20" is 3.92 wide): glyphs "gallery_count_star",
// "gallery_digit0".."9" and "gallery_slash", each a quad of its advance
// centred on its origin (the digits' middle height at z = 0). Laid out
// left to right: the star's advance and the gap after it, each digit's
// advance, the slash's advance with a gap on either side.
constexpr Rect gallery_count{3.0, 6.8, 5.05, 6.4};
constexpr double gallery_digit_height = 0.62;               // ink height of a digit
constexpr double gallery_star_advance = 0.8;
constexpr double gallery_star_gap = 0.26;                   // after the star
constexpr double gallery_digit_advance = 0.56;              // every digit: tabular figures
constexpr double gallery_slash_advance = 0.34;
constexpr double gallery_slash_gap = 0.14;                  // on each side of the slash

// The camera's flash ("camera_flash" of interface.pak): a white quad standing
// in a menu's frame at menu_depth, covering the widest screen.
constexpr double camera_flash_half_w = 18.5, camera_flash_half_h = 7.8;
static_assert(camera_flash_half_h > menu_depth * tan_half_fov &&
                  camera_flash_half_w > menu_depth * tan_half_fov * widest_aspect,
              "the flash covers every screen up to the widest");

// The dimming backdrop: just behind the help screen's button copies and in
// front of the real buttons, so the copies stay bright and the rest dims.
constexpr double backdrop_y = -61.0025;

}  // namespace layout
