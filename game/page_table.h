#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scene/color.h"

constexpr int page_count = 20;

// What one picture variant holds: its archive and how many regions of each
// colour (colour 10 marks the fixed regions, never painted nor counted).
struct PageVariant {
    int total;        // regions that must be painted to finish
    int regions[10];  // k1 to k10
};

// One picture: its tube count, its palette as RRGGBB, both variants.
struct PageFigures {
    int tubes;
    uint32_t palette[9];
    PageVariant simple;
    PageVariant detailed;
};

extern const PageFigures page_figures[page_count];

// One region of a picture archive: its object name, id and colour number.
struct PageRegion {
    std::string name;  // colorNelM
    int id;            // the digits of N followed by those of M
    int num;           // N - 1
};

// "page07.pak" or "hpage07.pak".
std::string page_archive(int picture, bool detailed);

// A palette entry as the game's colour: each channel v/255.
Color palette_color(uint32_t rrggbb);

// The regions of a variant in ascending byte order of their names.
std::vector<PageRegion> page_regions(const PageVariant& variant);
