#pragma once

#include "archive_builder.h"

// The pieces of "interface.pak", each adding its objects and textures.
void add_background(ArchiveBuilder& pak);       // "fon"
void add_interface_buttons(ArchiveBuilder& pak);  // "knopka_*"
void add_tubes(ArchiveBuilder& pak);            // "tubik_no_num", "lenta", "tubik1".."tubik9"
void add_brush(ArchiveBuilder& pak);            // "kist_ruchka", "kist_vors_color"
void add_bubbles(ArchiveBuilder& pak);          // "buble1".."buble5"
void add_palette(ArchiveBuilder& pak);          // "palitra_*", "color_const", "color_hover"
void add_sheet_overlay(ArchiveBuilder& pak);    // "list_nums_nodigits"
void add_camera_flash(ArchiveBuilder& pak);     // "camera_flash"
void add_badges(ArchiveBuilder& pak);          // "focus_ring", "hint_sparkle", "tube_tick"
