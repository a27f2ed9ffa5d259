#pragma once

#include "geometry.h"
#include "game/page_frame.h"
#include "grid.h"
#include "scene/model_writer.h"

// Where a picture sits in the game (game/page_frame.h). Regions live in the
// region container's frame (x right, y up, z towards the viewer); the sheet
// and the overlays live in the picture root's frame, which the container
// undoes.
namespace frame {

constexpr double centre_x = page_frame::centre_x, centre_y = page_frame::centre_y;
constexpr double eye_distance = page_frame::eye_distance;
// The area a picture may use, clear of the tubes and buttons.
constexpr double box_x0 = -5.3, box_x1 = 28.7, box_y0 = -1.4, box_y1 = 30.6;
// The drawing itself, inside that box; one design unit in container units.
constexpr double origin_x = -5.0, origin_y = -1.1;
constexpr double unit = 0.334;

// Depths (towards the viewer) of the layers around the regions at z = 0.
constexpr double sheet_z = -0.12;
constexpr double outline_z = 0.06;
constexpr double halo_z = 0.09;
constexpr double digit_z = 0.12;

// Picture widths in container units.
constexpr double outline_width = 0.12;
constexpr double simple_min_circle = 1.2;    // smallest region, simple variant
constexpr double detailed_min_circle = 0.7;  // smallest region, detailed variant
constexpr double min_digit = 0.5, max_digit = 1.4;
constexpr double digit_halo = 0.07;

// Raster pixels (y up, 0 at the bottom edge) to container units and back.
inline double px_to_units(double px) { return px / Grid::px_per_unit * unit; }
inline Pt container_of_pixel(Pt p) { return {origin_x + px_to_units(p.x), origin_y + px_to_units(p.y)}; }

// A vertex of the sheet or an overlay: the container point (x, y) moved to
// depth z and scaled about the screen centre so that it covers the same
// spot on screen as (x, y, 0), expressed in the picture root's frame.
inline MeshVertex root_vertex(double x, double y, double z) {
    const double k = (eye_distance - z) / eye_distance;
    const double sx = centre_x + (x - centre_x) * k, sy = centre_y + (y - centre_y) * k;
    MeshVertex v;
    v.x = static_cast<float>(sx + page_frame::container_x);
    v.y = static_cast<float>(-z + page_frame::container_y);
    v.z = static_cast<float>(sy + page_frame::container_z);
    v.nx = 0;
    v.ny = -1;
    v.nz = 0;
    v.s = static_cast<float>(x / 8);
    v.t = static_cast<float>(-y / 8);
    return v;
}

}  // namespace frame
