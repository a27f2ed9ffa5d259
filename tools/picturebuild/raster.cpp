#include "raster.h"

#include <algorithm>
#include <cmath>

namespace {

void fill_rings(const std::vector<Ring>& rings, int value, std::vector<int>& out) {
    double ymin = 1e9, ymax = -1e9;
    for (const Ring& r : rings)
        for (const Pt& p : r) {
            ymin = std::min(ymin, p.y);
            ymax = std::max(ymax, p.y);
        }
    // Rows whose centre may lie inside: y_of(j + 0.5) within [ymin, ymax].
    const int j0 = std::max(0, static_cast<int>(std::floor(Grid::h - ymax * Grid::px_per_unit - 0.5)));
    const int j1 = std::min(Grid::h - 1, static_cast<int>(std::ceil(Grid::h - ymin * Grid::px_per_unit - 0.5)));
    std::vector<double> xs;
    for (int j = j0; j <= j1; ++j) {
        const double y = Grid::y_of(j + 0.5);
        xs.clear();
        for (const Ring& r : rings) {
            const size_t n = r.size();
            for (size_t k = 0; k < n; ++k) {
                const Pt& a = r[k];
                const Pt& b = r[(k + 1) % n];
                if ((a.y <= y) == (b.y <= y)) continue;
                xs.push_back(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
            }
        }
        std::sort(xs.begin(), xs.end());
        for (size_t k = 0; k + 1 < xs.size(); k += 2) {
            // Pixel centres i + 0.5 inside [xs[k], xs[k+1]).
            const int i0 = std::max(0, static_cast<int>(std::ceil(xs[k] * Grid::px_per_unit - 0.5)));
            const int i1 = std::min(Grid::w - 1, static_cast<int>(std::ceil(xs[k + 1] * Grid::px_per_unit - 0.5)) - 1);
            int* row = out.data() + static_cast<size_t>(j) * Grid::w;
            for (int i = i0; i <= i1; ++i) row[i] = value;
        }
    }
}

}  // namespace

std::vector<int> rasterise(const Scene& scene) {
    std::vector<int> out(static_cast<size_t>(Grid::w) * Grid::h, 0);
    for (const Shape& s : scene.shapes) fill_rings(s.rings, s.colour + 16 * s.group, out);
    return out;
}

std::vector<uint8_t> rasterise_ink(const Scene& scene) {
    std::vector<int> out(static_cast<size_t>(Grid::w) * Grid::h, 0);
    for (const std::vector<Ring>& line : scene.ink_lines) {
        // The rings of one stroke may overlap: fill each on its own.
        for (const Ring& r : line) fill_rings({r}, 1, out);
    }
    return std::vector<uint8_t>(out.begin(), out.end());
}
