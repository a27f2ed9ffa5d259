#include "outline.h"

#include <polyclipping/clipper.hpp>

#include <cmath>

#include "triangulate.h"

namespace {

constexpr double kScale = 100000.0;

ClipperLib::Path to_path(const Polyline& line, const std::function<Pt(Pt)>& to_units) {
    ClipperLib::Path path;
    for (const Pt& p0 : line) {
        const Pt p = to_units ? to_units(p0) : p0;
        path.push_back({static_cast<ClipperLib::cInt>(std::lround(p.x * kScale)),
                        static_cast<ClipperLib::cInt>(std::lround(p.y * kScale))});
    }
    return path;
}

std::vector<Pt> triangulate_paths(const ClipperLib::Paths& paths) {
    std::vector<Ring> rings;
    for (const auto& path : paths) {
        Ring r;
        for (const auto& q : path) r.push_back({q.X / kScale, q.Y / kScale});
        rings.push_back(std::move(r));
    }
    return triangulate(rings, FillRule::nonzero);
}

}  // namespace

std::vector<Pt> outline_triangles(const Borders& borders, double width, const std::function<Pt(Pt)>& to_units) {
    ClipperLib::ClipperOffset off(2.0, 0.004 * kScale);
    for (const Borders::Arc& arc : borders.arcs)
        off.AddPath(to_path(arc.points, to_units), ClipperLib::jtRound,
                    arc.closed ? ClipperLib::etClosedLine : ClipperLib::etOpenRound);
    ClipperLib::Paths out;
    off.Execute(out, width / 2 * kScale);
    return triangulate_paths(out);
}

std::vector<Pt> grown_triangles(const std::vector<Ring>& rings, double margin) {
    ClipperLib::ClipperOffset off(2.0, 0.002 * kScale);
    ClipperLib::Paths in;
    for (const Ring& r : rings) in.push_back(to_path(r, nullptr));
    // Glyph outlines use the non-zero rule; union them first.
    ClipperLib::SimplifyPolygons(in, ClipperLib::pftNonZero);
    off.AddPaths(in, ClipperLib::jtRound, ClipperLib::etClosedPolygon);
    ClipperLib::Paths out;
    off.Execute(out, margin * kScale);
    return triangulate_paths(out);
}
