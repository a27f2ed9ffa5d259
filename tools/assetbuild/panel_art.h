#pragma once

#include <string>
#include <utility>
#include <vector>

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

enum class SmallIcon { none, check, cross, info, globe, eraser, speaker, note, numbers, detail, people, printer };

// A rounded card filling `r` (with its shadow falling just outside).
void paint_card(Sheet& sheet, const layout::Rect& r, const CardStyle& style);
// A glossy pill button filling `r`, with an icon at its left and `text`
// shrunk to fit beside it, on one line or two, at most `size` (scene units;
// 0: as large as the pill allows).
void paint_pill(Sheet& sheet, const layout::Rect& r, Rgba colour, SmallIcon icon, const std::string& text,
                double size = 0);
// The size paint_pill would give `text` on its own; buttons that stand
// together take the smallest of theirs.
double pill_text_size(const layout::Rect& r, SmallIcon icon, const std::string& text);
// An icon in a disc of radius `radius` (scene units) around (x, z).
void paint_small_icon(Sheet& sheet, SmallIcon icon, double x, double z, double radius, Rgba colour);
// fit_text, with the lines wrapped as evenly as they go: the narrowest block
// of the same size and number of lines (no lone word on a last line).
TextBlock fit_balanced(const Font& font, const std::string& text, float max_width, float max_height, float px);
// A label: on one line if that keeps at least `one_line_share` of the size
// it would have wrapped (both as large as the box allows), else wrapped
// evenly; at most `px`.
TextBlock fit_label(const Font& font, const std::string& text, float max_width, float max_height, float px,
                    double one_line_share = 0.85);
// Text shrunk to fit `r` (a label as fit_label makes it when `wrap`);
// returns the pixel size used.
float paint_text(Sheet& sheet, const layout::Rect& r, const std::string& text, const Font& font, double size,
                 Rgba colour, Align align = Align::centre, bool wrap = true, double one_line_share = 0.85);

// The largest size (scene units, at most `size`) at which every text fits
// its rectangle (as paint_text lays it out), so texts that belong together
// share one size.
double common_text_size(const std::vector<std::pair<std::string, layout::Rect>>& texts, const Font& font, double size,
                        bool wrap = true, double one_line_share = 0.85);

// A sheet as a one-model object whose texture is `name` + ".png".
void add_sheet_object(ArchiveBuilder& pak, const std::string& name, const Sheet& sheet, double y,
                      const MeshMaterial& material);
// A blank sheet around `r` with room for a card's shadow.
Sheet sheet_around(const layout::Rect& r, double margin = 0.15, double ppu = kMenuPpu);
