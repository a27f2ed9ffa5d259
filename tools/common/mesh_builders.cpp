#include "common/mesh_builders.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

}  // namespace

MeshVertex vertex(const Vec3& p, const Vec3& n, double s, double t) {
    MeshVertex v;
    v.x = static_cast<float>(p.x);
    v.y = static_cast<float>(p.y);
    v.z = static_cast<float>(p.z);
    v.nx = static_cast<float>(n.x);
    v.ny = static_cast<float>(n.y);
    v.nz = static_cast<float>(n.z);
    v.s = static_cast<float>(s);
    v.t = static_cast<float>(t);
    return v;
}

Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(const Vec3& a, double k) { return {a.x * k, a.y * k, a.z * k}; }
double dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 cross(const Vec3& a, const Vec3& b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Vec3 normalized(const Vec3& v) {
    const double l = std::sqrt(dot(v, v));
    return l > 0 ? v * (1.0 / l) : Vec3{0, 0, 1};
}

Vec3 Mat3::operator*(const Vec3& v) const {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z, m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

Mat3 Mat3::operator*(const Mat3& o) const {
    Mat3 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) r.m[i][j] = m[i][0] * o.m[0][j] + m[i][1] * o.m[1][j] + m[i][2] * o.m[2][j];
    return r;
}

Mat3 Mat3::transposed() const {
    Mat3 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) r.m[i][j] = m[j][i];
    return r;
}

Mat3 rotation_x(double deg) {
    const double a = deg * kPi / 180.0, c = std::cos(a), s = std::sin(a);
    Mat3 r;
    r.m[1][1] = c;
    r.m[1][2] = -s;
    r.m[2][1] = s;
    r.m[2][2] = c;
    return r;
}

Mat3 rotation_y(double deg) {
    const double a = deg * kPi / 180.0, c = std::cos(a), s = std::sin(a);
    Mat3 r;
    r.m[0][0] = c;
    r.m[0][2] = s;
    r.m[2][0] = -s;
    r.m[2][2] = c;
    return r;
}

Mat3 rotation_z(double deg) {
    const double a = deg * kPi / 180.0, c = std::cos(a), s = std::sin(a);
    Mat3 r;
    r.m[0][0] = c;
    r.m[0][1] = -s;
    r.m[1][0] = s;
    r.m[1][1] = c;
    return r;
}

Mat3 object_rotation(double ax, double ay, double az) { return rotation_x(ax) * rotation_y(ay) * rotation_z(az); }

Mat3 rotation_onto(const Vec3& dir, const Vec3& up) {
    const Vec3 z = normalized(dir);
    Vec3 x = cross(up, z);
    if (dot(x, x) < 1e-12) x = cross(Vec3{1, 0, 0}, z);
    x = normalized(x);
    const Vec3 y = cross(z, x);
    Mat3 r;
    r.m[0][0] = x.x;
    r.m[1][0] = x.y;
    r.m[2][0] = x.z;
    r.m[0][1] = y.x;
    r.m[1][1] = y.y;
    r.m[2][1] = y.z;
    r.m[0][2] = z.x;
    r.m[1][2] = z.y;
    r.m[2][2] = z.z;
    return r;
}

Mesh flat_quad(const std::string& texture, double x0, double x1, double z0, double z1, double y) {
    Mesh m;
    m.texture = texture;
    const Vec3 n{0, -1, 0};
    const MeshVertex tl = vertex({x0, y, z1}, n, 0, 0), tr = vertex({x1, y, z1}, n, 1, 0);
    const MeshVertex bl = vertex({x0, y, z0}, n, 0, 1), br = vertex({x1, y, z0}, n, 1, 1);
    m.triangle(bl, br, tr);
    m.triangle(bl, tr, tl);
    return m;
}

Mesh facing_quad(const std::string& texture, double x0, double x1, double y0, double y1, double z) {
    Mesh m;
    m.texture = texture;
    const Vec3 n{0, 0, 1};
    const MeshVertex tl = vertex({x0, y1, z}, n, 0, 0), tr = vertex({x1, y1, z}, n, 1, 0);
    const MeshVertex bl = vertex({x0, y0, z}, n, 0, 1), br = vertex({x1, y0, z}, n, 1, 1);
    m.triangle(bl, br, tr);
    m.triangle(bl, tr, tl);
    return m;
}

Mesh flat_rounded_panel(const std::string& texture, double x0, double x1, double z0, double z1, double radius, double y,
                        int corner_segments) {
    std::vector<Vec3> ring;
    const double r = std::min(radius, std::min((x1 - x0) / 2, (z1 - z0) / 2));
    const Vec3 centres[4] = {{x1 - r, y, z1 - r}, {x0 + r, y, z1 - r}, {x0 + r, y, z0 + r}, {x1 - r, y, z0 + r}};
    for (int c = 0; c < 4; ++c)
        for (int i = 0; i <= corner_segments; ++i) {
            const double a = (c * 90.0 + 90.0 * i / corner_segments) * kPi / 180.0;
            ring.push_back({centres[c].x + r * std::cos(a), y, centres[c].z + r * std::sin(a)});
        }
    Mesh m;
    m.texture = texture;
    const Vec3 n{0, -1, 0};
    auto tex = [&](const Vec3& p) { return vertex(p, n, (p.x - x0) / (x1 - x0), (z1 - p.z) / (z1 - z0)); };
    const Vec3 mid{(x0 + x1) / 2, y, (z0 + z1) / 2};
    for (size_t i = 0; i < ring.size(); ++i) m.triangle(tex(mid), tex(ring[i]), tex(ring[(i + 1) % ring.size()]));
    return m;
}

Mesh lathe(const std::string& texture, const std::vector<ProfilePoint>& p, int segments) {
    Mesh m;
    m.texture = texture;
    if (p.size() < 2) return m;
    // Profile normals: perpendicular to the profile, averaged at the joints.
    std::vector<double> len(p.size(), 0.0);
    for (size_t i = 1; i < p.size(); ++i) len[i] = len[i - 1] + std::hypot(p[i].r - p[i - 1].r, p[i].z - p[i - 1].z);
    std::vector<ProfilePoint> nrm(p.size());
    for (size_t i = 0; i < p.size(); ++i) {
        const ProfilePoint& a = p[i == 0 ? 0 : i - 1];
        const ProfilePoint& b = p[i + 1 < p.size() ? i + 1 : i];
        const double dz = b.z - a.z, dr = b.r - a.r;
        const double l = std::hypot(dz, dr);
        nrm[i] = l > 0 ? ProfilePoint{dz / l, -dr / l} : ProfilePoint{1, 0};
    }
    auto at = [&](size_t i, int k) {
        const double a = 2 * kPi * k / segments, c = std::cos(a), s = std::sin(a);
        return vertex({p[i].r * c, p[i].r * s, p[i].z}, {nrm[i].r * c, nrm[i].r * s, nrm[i].z},
                      static_cast<double>(k) / segments, len.back() > 0 ? len[i] / len.back() : 0);
    };
    for (size_t i = 0; i + 1 < p.size(); ++i)
        for (int k = 0; k < segments; ++k) {
            const MeshVertex a = at(i, k), b = at(i, k + 1), c = at(i + 1, k + 1), d = at(i + 1, k);
            if (p[i].r > 0) m.triangle(a, b, c);
            if (p[i + 1].r > 0) m.triangle(a, c, d);
        }
    return m;
}

Mesh sphere(const std::string& texture, double radius, int rings, int segments) {
    std::vector<ProfilePoint> profile;
    for (int i = 0; i <= rings; ++i) {
        const double a = kPi * i / rings;
        profile.push_back({radius * std::sin(a), radius * std::cos(a)});
    }
    Mesh m = lathe(texture, profile, segments);
    // Exact sphere normals.
    for (MeshVertex& v : m.vertices) {
        const Vec3 n = normalized({v.x, v.y, v.z});
        v.nx = static_cast<float>(n.x);
        v.ny = static_cast<float>(n.y);
        v.nz = static_cast<float>(n.z);
    }
    return m;
}

namespace {

double cross2(const ProfilePoint& o, const ProfilePoint& a, const ProfilePoint& b) {
    return (a.r - o.r) * (b.z - o.z) - (a.z - o.z) * (b.r - o.r);
}

bool inside_triangle(const ProfilePoint& p, const ProfilePoint& a, const ProfilePoint& b, const ProfilePoint& c) {
    return cross2(a, b, p) >= 0 && cross2(b, c, p) >= 0 && cross2(c, a, p) >= 0;
}

// Ear clipping of a counter-clockwise simple polygon (r as x, z as y).
std::vector<int> triangulate(const std::vector<ProfilePoint>& poly) {
    std::vector<int> idx(poly.size()), tris;
    for (size_t i = 0; i < poly.size(); ++i) idx[i] = static_cast<int>(i);
    size_t guard = 0;
    while (idx.size() > 3 && guard++ < 10000) {
        bool clipped = false;
        for (size_t i = 0; i < idx.size(); ++i) {
            const int a = idx[(i + idx.size() - 1) % idx.size()], b = idx[i], c = idx[(i + 1) % idx.size()];
            if (cross2(poly[a], poly[b], poly[c]) <= 0) continue;
            bool ear = true;
            for (int k : idx)
                if (k != a && k != b && k != c && inside_triangle(poly[k], poly[a], poly[b], poly[c])) {
                    ear = false;
                    break;
                }
            if (!ear) continue;
            tris.insert(tris.end(), {a, b, c});
            idx.erase(idx.begin() + static_cast<long>(i));
            clipped = true;
            break;
        }
        if (!clipped) break;
    }
    if (idx.size() == 3) tris.insert(tris.end(), {idx[0], idx[1], idx[2]});
    return tris;
}

}  // namespace

Mesh extrusion(const std::string& texture, const std::vector<ProfilePoint>& outline, double y0, double y1) {
    Mesh m;
    m.texture = texture;
    if (outline.size() < 3) return m;
    double x0 = outline[0].r, x1 = x0, z0 = outline[0].z, z1 = z0;
    for (const ProfilePoint& p : outline) {
        x0 = std::min(x0, p.r);
        x1 = std::max(x1, p.r);
        z0 = std::min(z0, p.z);
        z1 = std::max(z1, p.z);
    }
    auto cap = [&](const ProfilePoint& p, double y, const Vec3& n) {
        return vertex({p.r, y, p.z}, n, (p.r - x0) / (x1 - x0), (z1 - p.z) / (z1 - z0));
    };
    const std::vector<int> tris = triangulate(outline);
    for (size_t i = 0; i + 2 < tris.size(); i += 3) {
        const ProfilePoint &a = outline[static_cast<size_t>(tris[i])], &b = outline[static_cast<size_t>(tris[i + 1])],
                           &c = outline[static_cast<size_t>(tris[i + 2])];
        m.triangle(cap(a, y0, {0, -1, 0}), cap(b, y0, {0, -1, 0}), cap(c, y0, {0, -1, 0}));
        m.triangle(cap(a, y1, {0, 1, 0}), cap(c, y1, {0, 1, 0}), cap(b, y1, {0, 1, 0}));
    }
    for (size_t i = 0; i < outline.size(); ++i) {
        const ProfilePoint& a = outline[i];
        const ProfilePoint& b = outline[(i + 1) % outline.size()];
        const Vec3 n = normalized({b.z - a.z, 0, -(b.r - a.r)});
        const MeshVertex a0 = cap(a, y0, n), b0 = cap(b, y0, n), a1 = cap(a, y1, n), b1 = cap(b, y1, n);
        m.triangle(a0, b0, b1);
        m.triangle(a0, b1, a1);
    }
    return m;
}

void transform(Mesh& mesh, const Mat3& rot, const Vec3& offset) {
    for (MeshVertex& v : mesh.vertices) {
        const Vec3 p = rot * Vec3{v.x, v.y, v.z} + offset;
        const Vec3 n = rot * Vec3{v.nx, v.ny, v.nz};
        v.x = static_cast<float>(p.x);
        v.y = static_cast<float>(p.y);
        v.z = static_cast<float>(p.z);
        v.nx = static_cast<float>(n.x);
        v.ny = static_cast<float>(n.y);
        v.nz = static_cast<float>(n.z);
    }
}

void scale(Mesh& mesh, double sx, double sy, double sz) {
    for (MeshVertex& v : mesh.vertices) {
        v.x = static_cast<float>(v.x * sx);
        v.y = static_cast<float>(v.y * sy);
        v.z = static_cast<float>(v.z * sz);
        const Vec3 n = normalized({v.nx / sx, v.ny / sy, v.nz / sz});
        v.nx = static_cast<float>(n.x);
        v.ny = static_cast<float>(n.y);
        v.nz = static_cast<float>(n.z);
    }
}

void append(Mesh& a, const Mesh& b) { a.vertices.insert(a.vertices.end(), b.vertices.begin(), b.vertices.end()); }
