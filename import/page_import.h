#pragma once

#include <functional>
#include <string>
#include <vector>

#include "game/page_info.h"
#include "page_assembly.h"
#include "rgb_image.h"

class DigitGlyphs;

// A photo, a drawing or a colouring page turned into a page of the game, in
// one or both variants with one palette between them, as the built-in
// pictures have.
//
// The picture is resampled to its working raster, half the picture raster's
// resolution (Grid), smoothed with its edges kept, and shared by both
// variants. A colouring page (line_art.h) is cut along its lines and its
// regions coloured so that no neighbours match (region_colouring.h). A
// photo or a coloured drawing (photo_regions.h) has its colours grouped
// once by k-means, detail counting more than flat ground; each variant cuts
// the clusters into regions a child's brush can fill (an inscribed circle
// of 1.2 picture units simple, 0.7 detailed, or what the smallest number
// needs), joins the bands of soft gradients, and keeps the picture's
// features as ink (feature_lines.h, ink_lines.h); a cluster one variant
// loses goes to its nearest in both, so that both use the same tubes. Each
// variant is then assembled the way the picture builder does it, centred
// in the picture's area.

constexpr int working_scale = 2;  // picture raster pixels per working pixel
constexpr int default_colours = 8;

struct WorkingPicture {
    LabImage lab;  // smoothed
    RasterPlacement place;
    bool line_art = false;  // a colouring page: dark lines on paper, no colours

    double px_per_unit() const;  // working pixels per picture unit
};

// "" or why the picture cannot become a page (one flat colour). A coarser
// `scale` makes a quicker, rougher page.
std::string prepare_picture(const RgbImage& photo, WorkingPicture& out, int scale = working_scale);

struct PictureRequest {
    bool simple = true, detailed = true;
    int colours = 0;  // tubes, 5 to 9; 0 for default_colours
    int number = own_picture_first;
    std::string name;
};

struct ImportedVariant {
    BuiltPicture pic;  // with every archive entry, "page_info" last
    PageInfo info;
    double smallest_circle = 0;  // picture units
};

struct ImportedPicture {
    std::vector<ImportedVariant> variants;  // the simple one first
    std::string error;                      // empty when every variant was made
};

// The variant as picture `number` (its record and archive name).
void renumber(ImportedVariant& variant, int number);

// `progress` hears 0 to 1 as the steps complete.
ImportedPicture import_picture(const WorkingPicture& work, const PictureRequest& request, const DigitGlyphs& glyphs,
                               const std::function<void(double)>& progress = {});
