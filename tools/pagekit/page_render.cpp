#include "page_render.h"

#include <algorithm>
#include <cmath>

#include "picture_frame.h"

namespace {

constexpr int kSuper = 3;  // samples per pixel along each axis

class Canvas {
public:
    Canvas(int w, int h, double px_per_unit) : w_(w), h_(h), k_(px_per_unit), px_(static_cast<size_t>(w) * h, 0xFFFFFF) {}

    void triangles(const std::vector<Pt>& t, unsigned rgb) {
        for (size_t i = 0; i + 2 < t.size(); i += 3) triangle(map(t[i]), map(t[i + 1]), map(t[i + 2]), rgb);
    }

    Image downsampled(int w, int h) const {
        Image out(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                float r = 0, g = 0, b = 0;
                for (int j = 0; j < kSuper; ++j)
                    for (int i = 0; i < kSuper; ++i) {
                        const unsigned c = px_[static_cast<size_t>(y * kSuper + j) * w_ + x * kSuper + i];
                        r += (c >> 16) & 0xFF;
                        g += (c >> 8) & 0xFF;
                        b += c & 0xFF;
                    }
                const float n = 255.0f * kSuper * kSuper;
                out.set(x, y, {r / n, g / n, b / n, 1});
            }
        return out;
    }

private:
    Pt map(Pt p) const { return {(p.x - frame::box_x0) * k_, (frame::box_y1 - p.y) * k_}; }

    void triangle(Pt a, Pt b, Pt c, unsigned rgb) {
        const double x0 = std::min({a.x, b.x, c.x}), x1 = std::max({a.x, b.x, c.x});
        const double y0 = std::min({a.y, b.y, c.y}), y1 = std::max({a.y, b.y, c.y});
        const int i0 = std::max(0, static_cast<int>(std::floor(x0))), i1 = std::min(w_ - 1, static_cast<int>(std::ceil(x1)));
        const int j0 = std::max(0, static_cast<int>(std::floor(y0))), j1 = std::min(h_ - 1, static_cast<int>(std::ceil(y1)));
        auto edge = [](Pt p, Pt q, double x, double y) { return (q.x - p.x) * (y - p.y) - (q.y - p.y) * (x - p.x); };
        const double area = edge(a, b, c.x, c.y);
        if (area == 0) return;
        for (int j = j0; j <= j1; ++j)
            for (int i = i0; i <= i1; ++i) {
                const double x = i + 0.5, y = j + 0.5;
                const double e0 = edge(a, b, x, y) / area, e1 = edge(b, c, x, y) / area, e2 = edge(c, a, x, y) / area;
                if (e0 >= 0 && e1 >= 0 && e2 >= 0) px_[static_cast<size_t>(j) * w_ + i] = rgb;
            }
    }

    int w_, h_;
    double k_;
    std::vector<unsigned> px_;
};

}  // namespace

Image render_picture(const BuiltPicture& pic, double px_per_unit, bool painted) {
    const int w = static_cast<int>(std::lround((frame::box_x1 - frame::box_x0) * px_per_unit));
    const int h = static_cast<int>(std::lround((frame::box_y1 - frame::box_y0) * px_per_unit));
    Canvas canvas(w * kSuper, h * kSuper, px_per_unit * kSuper);
    if (painted)
        for (const auto& reg : pic.regions) canvas.triangles(reg.triangles, pic.colour_rgb(reg.colour));
    canvas.triangles(pic.outline, 0x3B3B3B);
    canvas.triangles(pic.halos, 0xFFFFFF);
    canvas.triangles(pic.digits, 0x515151);
    return canvas.downsampled(w, h);
}

Image contact_sheet(const std::vector<Image>& tiles, int columns) {
    if (tiles.empty()) return Image();
    const int gap = 8;
    const int tw = tiles[0].width(), th = tiles[0].height();
    const int rows = (static_cast<int>(tiles.size()) + columns - 1) / columns;
    Image sheet(columns * (tw + gap) + gap, rows * (th + gap) + gap, {0.55f, 0.55f, 0.58f, 1});
    for (size_t k = 0; k < tiles.size(); ++k)
        sheet.draw(tiles[k], gap + static_cast<int>(k % columns) * (tw + gap), gap + static_cast<int>(k / columns) * (th + gap));
    return sheet;
}
