#pragma once

#include <vector>

#include "sheet_shapes.h"

// Where everything goes on a colouring sheet. Units are PDF points (1/72
// inch), measured from the page's top left corner, y down.

struct PaperSize {
    double width, height;
};
constexpr PaperSize paper_a4{595.2756, 841.8898};  // 210 x 297 mm
constexpr PaperSize paper_letter{612, 792};        // 8.5 x 11 in

struct SheetBox {
    double x = 0, y = 0, w = 0, h = 0;
    double centre_x() const { return x + w / 2; }
    double centre_y() const { return y + h / 2; }
};

struct SheetLayout {
    double margin = 0;
    SheetBox title;       // the baseline is its bottom edge
    double title_size = 0;
    SheetBox drawing;     // the picture, as large as the page allows
    double scale = 0;     // points per picture unit
    SheetPoint low, high; // the picture's box in picture units
    std::vector<SheetBox> swatches;  // colour 1 first
    double number_size = 0;          // the key's numbers, under their swatches
    double number_baseline = 0;

    // The page position of a point of the picture.
    SheetPoint to_page(SheetPoint p) const {
        return {drawing.x + (p.x - low.x) * scale, drawing.y + (high.y - p.y) * scale};
    }
};

// The layout for a picture whose drawing fills the box low..high (picture
// units, y up) and whose key has `colours` swatches.
SheetLayout layout_sheet(PaperSize paper, SheetPoint low, SheetPoint high, int colours);
