#include "sheet.h"

#include <cmath>

#include "common/mesh_builders.h"

namespace {

int power_of_two_above(int n) {
    int p = 1;
    while (p < n) p *= 2;
    return p;
}

}  // namespace

Sheet::Sheet(double x0, double x1, double z0, double z1, double ppu)
    : x0_(x0), x1_(x1), z0_(z0), z1_(z1), ppu_(ppu) {
    used_w_ = static_cast<int>(std::ceil((x1 - x0) * ppu - 1e-6));
    used_h_ = static_cast<int>(std::ceil((z1 - z0) * ppu - 1e-6));
    img_ = Image(power_of_two_above(used_w_), power_of_two_above(used_h_));
}

Pt Sheet::at(double x, double z) const {
    return {static_cast<float>((x - x0_) * ppu_), static_cast<float>((z1_ - z) * ppu_)};
}

Box Sheet::box(double x0, double x1, double z0, double z1) const {
    const Pt a = at(x0, z1), b = at(x1, z0);
    return {a.x, a.y, b.x, b.y};
}

Box Sheet::box_around(double cx, double cz, double w, double h) const {
    return box(cx - w / 2, cx + w / 2, cz - h / 2, cz + h / 2);
}

Mesh Sheet::quad(const std::string& texture, double y) const {
    Mesh m = flat_quad(texture, x0_, x1_, z0_, z1_, y);
    const float s1 = static_cast<float>((x1_ - x0_) * ppu_ / img_.width());
    const float t1 = static_cast<float>((z1_ - z0_) * ppu_ / img_.height());
    for (MeshVertex& v : m.vertices) {
        v.s *= s1;
        v.t *= t1;
    }
    return m;
}
