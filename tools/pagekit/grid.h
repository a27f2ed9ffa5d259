#pragma once

// The raster pictures are cut from: about twice the picture's size on a
// 1280x720 screen. Pixel (i, j) has row 0 at the top of the picture. A
// picture's regions may be cut on a coarser raster; its pixels are then
// scaled to these (see RasterPlacement).
struct Grid {
    static constexpr int w = 1070;
    static constexpr int h = 1006;
    static constexpr double px_per_unit = 10.7;  // pixels per design unit

    static double x_of(double i) { return i / px_per_unit; }
    static double y_of(double j) { return (h - j) / px_per_unit; }
};
