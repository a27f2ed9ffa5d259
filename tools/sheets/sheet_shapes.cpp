#include "sheet_shapes.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

#include "triangle_boundary.h"

namespace {

// Clipper works on integers: a millionth of a picture unit is far below any
// printer's dot, and keeps the coordinates in its fast range.
constexpr double kGrid = 1e6;

ClipperLib::IntPoint grid_point(SheetPoint p) {
    return {static_cast<ClipperLib::cInt>(std::llround(p.x * kGrid)),
            static_cast<ClipperLib::cInt>(std::llround(p.y * kGrid))};
}

}  // namespace

PicturePlane picture_plane(const std::vector<MeshRecord>& meshes) {
    float lo_y = std::numeric_limits<float>::max(), hi_y = std::numeric_limits<float>::lowest();
    float lo_z = lo_y, hi_z = hi_y;
    for (const MeshRecord& m : meshes) {
        for (int i = 0; i < 3 * m.triangle_count; ++i) {
            const RecordVertex v = record_vertex(m, i);
            lo_y = std::min(lo_y, v.y);
            hi_y = std::max(hi_y, v.y);
            lo_z = std::min(lo_z, v.z);
            hi_z = std::max(hi_z, v.z);
        }
    }
    return hi_y - lo_y < hi_z - lo_z ? PicturePlane::xz : PicturePlane::xy;
}

SheetPoint plane_point(const MeshRecord& mesh, int i, PicturePlane plane) {
    const RecordVertex v = record_vertex(mesh, i);
    return {v.x, plane == PicturePlane::xz ? v.z : v.y};
}

std::vector<SheetRing> merged_outline(const MeshRecord& mesh, PicturePlane plane) {
    ClipperLib::Paths triangles;
    triangles.reserve(static_cast<size_t>(mesh.triangle_count));
    for (int t = 0; t < mesh.triangle_count; ++t) {
        ClipperLib::Path tri;
        for (int k = 0; k < 3; ++k) tri.push_back(grid_point(plane_point(mesh, 3 * t + k, plane)));
        const double area = ClipperLib::Area(tri);
        if (area == 0) continue;
        // Every triangle turned the same way, so the non-zero union adds them up.
        if (area < 0) ClipperLib::ReversePath(tri);
        triangles.push_back(std::move(tri));
    }
    // Neighbouring triangles share most of their edges; the union is only
    // left to do where the outlines overlap (strokes crossing at a joint).
    ClipperLib::Clipper clipper;
    clipper.AddPaths(triangle_boundary(triangles), ClipperLib::ptSubject, true);
    ClipperLib::Paths merged;
    clipper.Execute(ClipperLib::ctUnion, merged, ClipperLib::pftNonZero, ClipperLib::pftNonZero);

    std::vector<SheetRing> rings;
    rings.reserve(merged.size());
    for (const ClipperLib::Path& path : merged) {
        SheetRing ring;
        ring.reserve(path.size());
        for (const ClipperLib::IntPoint& p : path) ring.push_back({p.X / kGrid, p.Y / kGrid});
        rings.push_back(std::move(ring));
    }
    return rings;
}
