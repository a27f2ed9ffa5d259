#include "lab_colour.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr double kWhite[3] = {0.95047, 1.0, 1.08883};

double linear_of(double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); }
double gamma_of(double v) { return v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1 / 2.4) - 0.055; }

double f_of(double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; }
double f_inverse(double f) { return f * f * f > 216.0 / 24389 ? f * f * f : (116 * f - 16) * 27 / 24389; }

const std::array<double, 256>& linear_table() {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int i = 0; i < 256; ++i) t[i] = linear_of(i / 255.0);
        return t;
    }();
    return table;
}

}  // namespace

Lab lab_of_rgb(const uint8_t rgb[3]) {
    const auto& lin = linear_table();
    const double r = lin[rgb[0]], g = lin[rgb[1]], b = lin[rgb[2]];
    const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / kWhite[0];
    const double y = (0.2126729 * r + 0.7151522 * g + 0.0721750 * b) / kWhite[1];
    const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / kWhite[2];
    const double fx = f_of(x), fy = f_of(y), fz = f_of(z);
    return {static_cast<float>(116 * fy - 16), static_cast<float>(500 * (fx - fy)), static_cast<float>(200 * (fy - fz))};
}

uint32_t rgb_of_lab(const Lab& c, bool* inside) {
    const double fy = (c.L + 16) / 116.0, fx = fy + c.a / 500.0, fz = fy - c.b / 200.0;
    const double x = f_inverse(fx) * kWhite[0], y = f_inverse(fy) * kWhite[1], z = f_inverse(fz) * kWhite[2];
    const double lin[3] = {3.2404542 * x - 1.5371385 * y - 0.4985314 * z, -0.9692660 * x + 1.8760108 * y + 0.0415560 * z,
                           0.0556434 * x - 0.2040259 * y + 1.0572252 * z};
    bool in = true;
    uint32_t out = 0;
    for (double v : lin) {
        if (v < -1e-4 || v > 1 + 1e-4) in = false;
        const long byte = std::lround(gamma_of(std::clamp(v, 0.0, 1.0)) * 255);
        out = out << 8 | static_cast<uint32_t>(std::clamp(byte, 0l, 255l));
    }
    if (inside) *inside = in;
    return out;
}

float lab_distance2(const Lab& p, const Lab& q) {
    const float dl = p.L - q.L, da = p.a - q.a, db = p.b - q.b;
    return dl * dl + da * da + db * db;
}

LabImage to_lab(const RgbImage& in) {
    LabImage out;
    out.w = in.w;
    out.h = in.h;
    out.lab.resize(static_cast<size_t>(in.w) * in.h * 3);
    for (size_t p = 0; p < static_cast<size_t>(in.w) * in.h; ++p) {
        const Lab c = lab_of_rgb(in.rgb.data() + p * 3);
        float* d = out.at(p);
        d[0] = c.L;
        d[1] = c.a;
        d[2] = c.b;
    }
    return out;
}
