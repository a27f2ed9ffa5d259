#include "common/image.h"

#include <algorithm>
#include <cmath>

Rgba mix(const Rgba& a, const Rgba& b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Rgba lighten(const Rgba& c, float k) { return {c.r + (1 - c.r) * k, c.g + (1 - c.g) * k, c.b + (1 - c.b) * k, c.a}; }

Rgba darken(const Rgba& c, float k) { return {c.r * (1 - k), c.g * (1 - k), c.b * (1 - k), c.a}; }

Rgba with_alpha(const Rgba& c, float a) { return {c.r, c.g, c.b, a}; }

Image::Image(int width, int height, Rgba fill)
    : w_(width), h_(height), px_(static_cast<size_t>(width) * static_cast<size_t>(height), fill) {}

void Image::blend(int x, int y, const Rgba& c, float coverage) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    const float sa = std::clamp(c.a * coverage, 0.0f, 1.0f);
    if (sa <= 0.0f) return;
    Rgba& d = px_[index(x, y)];
    const float out_a = sa + d.a * (1.0f - sa);
    if (out_a <= 0.0f) {
        d = {};
        return;
    }
    const float k = d.a * (1.0f - sa);
    d.r = (c.r * sa + d.r * k) / out_a;
    d.g = (c.g * sa + d.g * k) / out_a;
    d.b = (c.b * sa + d.b * k) / out_a;
    d.a = out_a;
}

void Image::draw(const Image& src, int x, int y, float opacity) {
    for (int sy = 0; sy < src.h_; ++sy)
        for (int sx = 0; sx < src.w_; ++sx) blend(x + sx, y + sy, src.get(sx, sy), opacity);
}

void Image::fade(float k) {
    for (Rgba& p : px_) p.a *= k;
}

static unsigned char to_byte(float v) {
    return static_cast<unsigned char>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

std::vector<unsigned char> Image::bytes(int channels) const {
    std::vector<unsigned char> out;
    out.reserve(px_.size() * static_cast<size_t>(channels));
    for (const Rgba& p : px_) {
        out.push_back(to_byte(p.r));
        out.push_back(to_byte(p.g));
        out.push_back(to_byte(p.b));
        if (channels == 4) out.push_back(to_byte(p.a));
    }
    return out;
}

Image Image::halved() const {
    Image out(std::max(1, w_ / 2), std::max(1, h_ / 2));
    for (int y = 0; y < out.h_; ++y)
        for (int x = 0; x < out.w_; ++x) {
            float r = 0, g = 0, b = 0, a = 0;
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx) {
                    const Rgba p = get(std::min(2 * x + dx, w_ - 1), std::min(2 * y + dy, h_ - 1));
                    r += p.r * p.a;
                    g += p.g * p.a;
                    b += p.b * p.a;
                    a += p.a;
                }
            out.set(x, y, a > 0 ? Rgba{r / a, g / a, b / a, a / 4} : Rgba{});
        }
    return out;
}

void Image::bleed_edges(int passes) {
    std::vector<unsigned char> known(px_.size());
    for (size_t i = 0; i < px_.size(); ++i) known[i] = px_[i].a > 0.0f;
    // Only a hidden pixel beside a known one can change in a pass: the first
    // pass looks at the hidden neighbours of every visible pixel, each later
    // one at those of the pixels the pass before made known. A pass reads
    // known pixels only, so the order within it does not matter.
    std::vector<size_t> candidates, newly;
    std::vector<int> queued(px_.size(), -1);
    const auto queue_hidden_neighbours = [&](size_t i, int stamp) {
        const int x = static_cast<int>(i % static_cast<size_t>(w_)), y = static_cast<int>(i / static_cast<size_t>(w_));
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx, ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= w_ || ny >= h_) continue;
                const size_t j = index(nx, ny);
                if (known[j] || queued[j] == stamp) continue;
                queued[j] = stamp;
                candidates.push_back(j);
            }
    };
    for (size_t i = 0; i < px_.size(); ++i)
        if (known[i]) queue_hidden_neighbours(i, 0);
    for (int pass = 0; pass < passes && !candidates.empty(); ++pass) {
        newly.clear();
        for (const size_t i : candidates) {
            const int x = static_cast<int>(i % static_cast<size_t>(w_)), y = static_cast<int>(i / static_cast<size_t>(w_));
            float r = 0, g = 0, b = 0;
            int n = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= w_ || ny >= h_) continue;
                    const size_t j = index(nx, ny);
                    if (!known[j]) continue;
                    r += px_[j].r;
                    g += px_[j].g;
                    b += px_[j].b;
                    ++n;
                }
            if (n == 0) continue;
            px_[i] = {r / n, g / n, b / n, 0.0f};
            newly.push_back(i);
        }
        for (const size_t i : newly) known[i] = 1;
        candidates.clear();
        for (const size_t i : newly) queue_hidden_neighbours(i, pass + 1);
    }
    // Whatever is still far from any visible pixel takes their average colour.
    float r = 0, g = 0, b = 0, wsum = 0;
    for (const Rgba& p : px_) {
        r += p.r * p.a;
        g += p.g * p.a;
        b += p.b * p.a;
        wsum += p.a;
    }
    if (wsum <= 0) return;
    for (size_t i = 0; i < px_.size(); ++i)
        if (!known[i]) px_[i] = {r / wsum, g / wsum, b / wsum, 0.0f};
}
