#pragma once

#include <functional>
#include <string>

#include "game/page_info.h"
#include "page_assembly.h"
#include "rgb_image.h"

class DigitGlyphs;

// A photo or a drawing turned into a page of the game.
//
// The picture is resampled to its working raster, half the picture raster's
// resolution (Grid), smoothed with its edges kept, and shared by both
// variants. Each variant then groups its colours by k-means, cuts the
// clusters into regions, merges every region a child's brush cannot fill
// (its inscribed circle under 1.2 picture units simple, 0.7 detailed, or
// under what the smallest number needs) into its nearest neighbour in
// colour, makes a region of what dark lines close off and keeps the rest of
// them as ink, lifts the palette, and assembles the archive the way the
// picture builder does, centred in the picture's area.

constexpr int working_scale = 2;  // picture raster pixels per working pixel

struct WorkingPicture {
    LabImage lab;  // smoothed
    RasterPlacement place;

    double px_per_unit() const;  // working pixels per picture unit
};

// "" or why the picture cannot become a page (one flat colour). A coarser
// `scale` makes a quicker, rougher page.
std::string prepare_picture(const RgbImage& photo, WorkingPicture& out, int scale = working_scale);

struct VariantRequest {
    bool detailed = false;
    int colours = 0;  // 5 to 9; 0 for the variant's default (7 simple, 9 detailed)
    int number = own_picture_first;
    std::string name;
};

struct ImportedVariant {
    BuiltPicture pic;  // with every archive entry, "page_info" last
    PageInfo info;
    double smallest_circle = 0;  // picture units
    std::string error;
};

// `progress` hears 0 to 1 as the steps complete.
ImportedVariant import_variant(const WorkingPicture& work, const VariantRequest& request, const DigitGlyphs& glyphs,
                               const std::function<void(double)>& progress = {});

// The smallest inscribed circle a variant's regions keep, picture units:
// the bound of the built-in pictures (1.2 simple, 0.7 detailed), or more
// where the smallest number with its halo needs more room.
double min_circle_of(bool detailed, const DigitGlyphs& glyphs);
