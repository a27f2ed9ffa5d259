#pragma once

#include <string>
#include <vector>

#include "scene/model_writer.h"

// Geometry for object files. Flat artwork uses the frame the game draws it
// in: x to the right, z up and -y towards the viewer, so a flat piece faces
// -y. Texture coordinate t = 0 is the image's top row.

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

Vec3 operator+(const Vec3& a, const Vec3& b);
Vec3 operator-(const Vec3& a, const Vec3& b);
Vec3 operator*(const Vec3& a, double k);
double dot(const Vec3& a, const Vec3& b);
Vec3 cross(const Vec3& a, const Vec3& b);
Vec3 normalized(const Vec3& v);

// A 3x3 matrix applied to column vectors: m[row][col].
struct Mat3 {
    double m[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    Vec3 operator*(const Vec3& v) const;
    Mat3 operator*(const Mat3& o) const;
    Mat3 transposed() const;
};

Mat3 rotation_x(double degrees);
Mat3 rotation_y(double degrees);
Mat3 rotation_z(double degrees);
// One vertex of a model record: position, normal and texture coordinate.
MeshVertex vertex(const Vec3& p, const Vec3& n, double s, double t);

// The rotation the game applies for an object's angles (ax, ay, az): a vertex
// is turned about z first, then y, then x.
Mat3 object_rotation(double ax, double ay, double az);
// A rotation that takes +z to `dir` (and keeps `up` as close to +y as it can).
Mat3 rotation_onto(const Vec3& dir, const Vec3& up);

// A flat rectangle facing -y at depth y, x from x0 to x1, z from z0 to z1,
// showing the whole texture upright.
Mesh flat_quad(const std::string& texture, double x0, double x1, double z0, double z1, double y);
// The same rectangle facing +z (for artwork drawn straight in eye space):
// x from x0 to x1, y from y0 to y1, at depth z.
Mesh facing_quad(const std::string& texture, double x0, double x1, double y0, double y1, double z);
// A flat rounded rectangle facing -y; the texture spans its bounding box.
Mesh flat_rounded_panel(const std::string& texture, double x0, double x1, double z0, double z1, double radius,
                        double y, int corner_segments = 8);

// A solid of revolution about the z axis. `profile` holds (radius, z) pairs
// from the -z end to the +z end (so the normals face outwards); texture s runs around, t along the profile.
struct ProfilePoint {
    double r = 0, z = 0;
};
Mesh lathe(const std::string& texture, const std::vector<ProfilePoint>& profile, int segments);
// A sphere at the origin; s runs around z, t from the top (+z) down.
Mesh sphere(const std::string& texture, double radius, int rings, int segments);
// A polygon outline in the x-z plane (counter-clockwise seen from -y)
// extruded from y0 (front) to y1 (back); the texture spans the outline's
// bounding box on both caps and stretches along the sides.
Mesh extrusion(const std::string& texture, const std::vector<ProfilePoint>& outline_xz, double y0, double y1);

// Turns positions and normals by `rot`, then moves positions by `offset`.
void transform(Mesh& mesh, const Mat3& rot, const Vec3& offset = {});
// Scales positions; normals are corrected for the change of shape.
void scale(Mesh& mesh, double sx, double sy, double sz);
// Appends the triangles of `b` to `a` (same texture and material assumed).
void append(Mesh& a, const Mesh& b);
