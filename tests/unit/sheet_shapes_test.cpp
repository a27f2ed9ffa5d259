// The printed sheets fill each mesh as the outline of its merged triangles,
// so that no seam shows between neighbours: a square frame cut into
// triangles of both windings, two of them overlapping, must come back as one
// outer ring and one hole with nothing but the frame's own corners,
// whichever plane it lies in. On real pictures the merged rings must cover
// what a plain union of every triangle covers.
#include <gtest/gtest.h>
#include <polyclipping/clipper.hpp>

#include <cmath>
#include <string>
#include <utility>

#include "pictures_archive.h"
#include "res/pack.h"
#include "scene/model_record.h"
#include "scene/model_writer.h"
#include "sheet_art.h"
#include "sheet_shapes.h"

namespace {

double signed_area(const SheetRing& ring) {
    double twice = 0;
    for (size_t i = 0; i < ring.size(); ++i) {
        const SheetPoint& a = ring[i];
        const SheetPoint& b = ring[(i + 1) % ring.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2;
}

// A 4 x 4 square with a 2 x 2 hole, in eight triangles (every other one wound
// clockwise), one of them drawn twice with opposite windings, as strokes that
// cross at a joint are, and a degenerate one. `up_is_z` puts the second
// coordinate on z, else on y; the remaining axis is a fixed depth.
Mesh frame_mesh(bool up_is_z) {
    const double tris[8][6] = {
        {-2, -2, 2, -2, 1, -1}, {-2, -2, -1, -1, 1, -1}, {2, -2, 2, 2, 1, 1},   {2, -2, 1, -1, 1, 1},
        {2, 2, -2, 2, -1, 1},   {2, 2, 1, 1, -1, 1},     {-2, 2, -2, -2, -1, -1}, {-2, 2, -1, 1, -1, -1},
    };
    Mesh m;
    m.texture = "ink";
    const auto vertex = [&](double a, double b) {
        MeshVertex v;
        v.x = static_cast<float>(a);
        (up_is_z ? v.z : v.y) = static_cast<float>(b);
        (up_is_z ? v.y : v.z) = -51.06f;
        return v;
    };
    for (const auto& t : tris) m.triangle(vertex(t[0], t[1]), vertex(t[2], t[3]), vertex(t[4], t[5]));
    m.triangle(vertex(-2, -2), vertex(1, -1), vertex(2, -2));  // the first one again, wound the other way
    m.triangle(vertex(0, 3), vertex(1, 3), vertex(2, 3));  // no area
    return m;
}

}  // namespace

TEST(SheetShapes, FrameOfTrianglesBecomesOneOutlineAndOneHole) {
    for (const bool up_is_z : {true, false}) {
        SCOPED_TRACE(up_is_z ? "x-z plane" : "x-y plane");
        const std::vector<unsigned char> bytes = write_model_record(frame_mesh(up_is_z), 0);
        const unsigned char* pos = bytes.data();
        MeshRecord record;
        ASSERT_TRUE(read_model_record(&pos, bytes.data() + bytes.size(), &record));
        const PicturePlane plane = picture_plane({record});
        EXPECT_EQ(plane, up_is_z ? PicturePlane::xz : PicturePlane::xy);

        std::vector<SheetRing> rings = merged_outline(record, plane);
        ASSERT_EQ(rings.size(), 2u);
        if (signed_area(rings[0]) < signed_area(rings[1])) std::swap(rings[0], rings[1]);
        EXPECT_NEAR(signed_area(rings[0]), 16.0, 1e-9);  // counter-clockwise outside
        EXPECT_NEAR(signed_area(rings[1]), -4.0, 1e-9);  // clockwise hole
        for (const SheetRing& ring : rings) {
            EXPECT_EQ(ring.size(), 4u);
            for (const SheetPoint& p : ring) {
                EXPECT_DOUBLE_EQ(std::fabs(p.x), std::fabs(p.y));
                EXPECT_TRUE(std::fabs(p.x) == 1 || std::fabs(p.x) == 2) << p.x << ", " << p.y;
            }
        }
    }
}

namespace {

constexpr double kGrid = 1e6;  // as fine as the sheets' own merging

ClipperLib::IntPoint on_grid(SheetPoint p) {
    return {static_cast<ClipperLib::cInt>(std::llround(p.x * kGrid)),
            static_cast<ClipperLib::cInt>(std::llround(p.y * kGrid))};
}

double total_area(const ClipperLib::Paths& paths) {
    double sum = 0;
    for (const ClipperLib::Path& p : paths) sum += ClipperLib::Area(p);
    return sum / (kGrid * kGrid);
}

}  // namespace

// Picture 13's ink strokes overlap its outline, and picture 7's outline
// touches itself at a point; the reference is one union of every triangle,
// each turned counter-clockwise.
TEST(SheetShapes, RealPicturesMergeIntoExactlyWhatTheirTrianglesCover) {
    for (const int number : {7, 13}) {
        const std::string path = picture_data_dir() + picture_archive(number, false);
        const Pack archive(path.c_str());
        for (const char* entry : sheet_art_entries) {
            const raw file = archive.getfile(entry);
            std::vector<MeshRecord> meshes;
            ASSERT_TRUE(read_object_records(file.data, file.size, &meshes) && !meshes.empty()) << path << " " << entry;
            const PicturePlane plane = picture_plane(meshes);
            for (const MeshRecord& mesh : meshes) {
                SCOPED_TRACE(path + " " + entry + " " + mesh.texture_name);
                ClipperLib::Paths triangles;
                for (int t = 0; t < mesh.triangle_count; ++t) {
                    ClipperLib::Path tri;
                    for (int k = 0; k < 3; ++k) tri.push_back(on_grid(plane_point(mesh, 3 * t + k, plane)));
                    if (!ClipperLib::Orientation(tri)) ClipperLib::ReversePath(tri);
                    triangles.push_back(std::move(tri));
                }
                ClipperLib::Clipper reference;
                reference.AddPaths(triangles, ClipperLib::ptSubject, true);
                ClipperLib::Paths want;
                reference.Execute(ClipperLib::ctUnion, want, ClipperLib::pftNonZero, ClipperLib::pftNonZero);

                ClipperLib::Paths got;
                for (const SheetRing& ring : merged_outline(mesh, plane)) {
                    ClipperLib::Path p;
                    for (const SheetPoint& q : ring) p.push_back(on_grid(q));
                    got.push_back(std::move(p));
                }
                ClipperLib::Clipper difference;
                difference.AddPaths(want, ClipperLib::ptSubject, true);
                difference.AddPaths(got, ClipperLib::ptClip, true);
                ClipperLib::Paths apart;
                difference.Execute(ClipperLib::ctXor, apart, ClipperLib::pftNonZero, ClipperLib::pftNonZero);
                EXPECT_GT(total_area(want), 1.0);
                EXPECT_NEAR(total_area(apart), 0.0, 1e-9) << "covered by one and not the other";
                // No two rings overlap: holes clockwise, so the areas add up to the union's.
                EXPECT_NEAR(total_area(got), total_area(want), 1e-9);
            }
        }
    }
}
