#pragma once

#include <vector>

#include "scene/model_record.h"

// The flat drawing inside a picture's meshes, as filled outlines on a plane.

// A point of the drawing, in picture units, y up.
struct SheetPoint {
    double x = 0, y = 0;
};
using SheetRing = std::vector<SheetPoint>;

// The plane a picture lies in, named by the two vertex axes that span it
// (the first to the right, the second up); the third axis is depth.
enum class PicturePlane { xy, xz };

// The plane across which the meshes are thinnest.
PicturePlane picture_plane(const std::vector<MeshRecord>& meshes);

// Vertex `i` of `mesh` seen on `plane`.
SheetPoint plane_point(const MeshRecord& mesh, int i, PicturePlane plane);

// The triangles of `mesh` seen on `plane`, merged into the rings that bound
// them: outer rings counter-clockwise, holes clockwise, no two overlapping,
// so filling them with the non-zero rule leaves no seam between triangles.
std::vector<SheetRing> merged_outline(const MeshRecord& mesh, PicturePlane plane);
