#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "geometry.h"
#include "regions.h"

class DigitGlyphs;

// One variant of one picture, built and checked: its archive's entries and
// the flat geometry (container units) that the contact sheet draws.
struct BuiltPicture {
    int number = 0;
    bool detailed = false;
    std::string error;  // empty when everything checked out
    std::vector<uint32_t> palette;  // 0xRRGGBB of colours 1 to the tube count

    struct Region {
        std::string name;  // colorNelM
        int colour = 0;
        std::vector<Pt> triangles;
        Pt label_centre;
        double label_height = 0;  // 0 for the fixed regions
    };
    std::vector<Region> regions;
    std::vector<Pt> outline;  // triangles
    std::vector<Pt> halos;
    std::vector<Pt> digits;
    double smallest_circle = 0;  // container units
    std::vector<std::string> notes;

    std::vector<std::pair<std::string, std::vector<unsigned char>>> entries;  // archive entries

    std::string archive_name() const;  // page_archive(): "page01.pak", "hpage01.pak", "page101.pak"
    std::string variant_name() const;  // "picture 1, simple"
    // The palette colour of colour number N; white past the tube count (the
    // fixed regions, colour 10).
    uint32_t colour_rgb(int colour) const;
};

// Where the raster the regions were cut on lies on the picture raster
// (Grid): `scale` Grid pixels per raster pixel, and the raster's lower left
// corner at `offset` (Grid pixels, y up). Numbers keep `slack` raster
// pixels further from the borders than their room requires, for borders
// smoothed into the region.
struct RasterPlacement {
    double scale = 1;
    Pt offset;
    double slack = 0;

    Pt to_grid(Pt p) const { return {offset.x + p.x * scale, offset.y + p.y * scale}; }
};

// Turns regions cut on a raster into the picture's meshes and archive
// entries: every region traced (borders shared with its neighbours) and
// triangulated, named colorNelM in the image's order, its number as large as
// its room allows at the centre of its largest inscribed circle; the outline
// along every border plus the `ink` triangles (container units); the sheet.
// `room` holds, per region, where its number may go (region_stats of the
// regions with the ink carved out); without it, the regions themselves.
// False, with pic.error set, when a region does not trace cleanly.
bool assemble_picture(BuiltPicture& pic, const RegionImage& img, const std::vector<RegionStats>* room,
                      const std::vector<Pt>& ink, const DigitGlyphs& glyphs, const RasterPlacement& place = {});

// The archive's bytes; empty when an entry is refused.
std::vector<unsigned char> archive_bytes(const BuiltPicture& pic);

// Writes the archive; false when the file cannot be written.
bool save_archive(const BuiltPicture& pic, const std::string& path);
