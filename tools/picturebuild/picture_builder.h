#pragma once

#include <string>
#include <vector>

#include "geometry.h"
#include "scene/model_writer.h"

class DigitGlyphs;

// One variant of one picture, built and checked: its archive's entries and
// the flat geometry (container units) that the contact sheet draws.
struct BuiltPicture {
    int number = 0;
    bool detailed = false;
    std::string error;  // empty when everything checked out

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

    std::string archive_name() const;  // "page01.pak" or "hpage01.pak"
    std::string variant_name() const;  // "picture 1, simple"
};

BuiltPicture build_picture(int number, bool detailed, const DigitGlyphs& glyphs);

// Writes the archive; false when the file cannot be written.
bool save_archive(const BuiltPicture& pic, const std::string& path);
