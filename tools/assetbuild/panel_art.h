#pragma once

#include <string>

#include "archive_builder.h"
#include "common/font_raster.h"
#include "layout.h"
#include "scene/model_writer.h"
#include "sheet.h"

// Drawing shared by the menu artwork of "langall.pak" and the language
// archives: cards, pill buttons, small icons and text in scene units.

// Pixels per scene unit of menu artwork (a unit is about 70 pixels on a
// 1080-line screen at a panel's depth).
constexpr double kMenuPpu = 96.0;

struct CardStyle {
    Rgba fill = rgb(0xFFFBF0);
    Rgba border = rgb(0x4FC3F7);
    double border_width = 0.1;
    double radius = 0.45;
    bool shadow = true;
};

enum class SmallIcon { none, check, cross, info, globe, eraser, speaker, note, numbers, detail, people };

// A rounded card filling `r` (with its shadow falling just outside).
void paint_card(Sheet& sheet, const layout::Rect& r, const CardStyle& style);
// A glossy pill button filling `r`, with an icon at its left and `text`
// shrunk to fit beside it.
void paint_pill(Sheet& sheet, const layout::Rect& r, Rgba colour, SmallIcon icon, const std::string& text);
// An icon in a disc of radius `radius` (scene units) around (x, z).
void paint_small_icon(Sheet& sheet, SmallIcon icon, double x, double z, double radius, Rgba colour);
// Text shrunk to fit `r`; returns the pixel size used.
float paint_text(Sheet& sheet, const layout::Rect& r, const std::string& text, const Font& font, double size,
                 Rgba colour, Align align = Align::centre, bool wrap = true);

// A sheet as a one-model object whose texture is `name` + ".png".
void add_sheet_object(ArchiveBuilder& pak, const std::string& name, const Sheet& sheet, double y,
                      const MeshMaterial& material);
// A blank sheet around `r` with room for a card's shadow.
Sheet sheet_around(const layout::Rect& r, double margin = 0.15, double ppu = kMenuPpu);
