// The printed sheets fill each mesh as the outline of its merged triangles,
// so that no seam shows between neighbours: a square frame cut into
// triangles of both windings, two of them overlapping, must come back as one
// outer ring and one hole with nothing but the frame's own corners,
// whichever plane it lies in.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "scene/model_record.h"
#include "scene/model_writer.h"
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
