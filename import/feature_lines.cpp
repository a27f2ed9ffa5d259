#include "feature_lines.h"

#include <algorithm>
#include <cmath>

#include "raster_filters.h"

namespace {

// Sizes in picture units, contrasts in L*.
constexpr double kSigma = 0.07;       // the finer Gaussian; the coarser is 1.6 times it
constexpr float kStrong = 6, kWeak = 3;  // response that starts a line, and that carries one on
constexpr float kStrongLight = 5;     // a light line's start: whiskers, not sheen
constexpr double kMinLength = 0.9;    // a shorter piece is texture
constexpr float kWeakPiece = 10;      // a piece's mean response below this counts as weak
constexpr double kBusyReach = 0.6;    // how far around a piece its texture is counted
constexpr float kBusy = 2.2f;         // as many lines around as that many lone lines: busy texture
constexpr float kBusyStrong = 14;
constexpr double kHalfWidth = 0.065;  // of a drawn line
constexpr double kDotReach = 0.5;     // a dot is narrower than twice this
constexpr float kDotContrast = 28;    // and this much darker than around it,
constexpr float kDotDarkest = 38;     // and dark in itself (L*): a pupil, not a crayon's grain
constexpr double kDotLargest = 1.4;   // across, at most

// Pixels above `weak` joined (8-connected) to one above `strong`.
std::vector<uint8_t> hysteresis(const std::vector<float>& response, int w, int h, float strong, float weak) {
    std::vector<uint8_t> mask(response.size());
    for (size_t p = 0; p < mask.size(); ++p) mask[p] = response[p] > weak;
    int count = 0;
    const std::vector<int> piece = marks_of(mask, w, h, count);
    std::vector<uint8_t> starts(count, 0);
    for (size_t p = 0; p < mask.size(); ++p)
        if (mask[p] && response[p] > strong) starts[piece[p]] = 1;
    for (size_t p = 0; p < mask.size(); ++p) mask[p] = mask[p] && starts[piece[p]];
    return mask;
}

// Keeps the pieces of a one-pixel skeleton that are long enough, and in
// busy texture strong enough; `response` says how strong each pixel is.
void keep_coherent(std::vector<uint8_t>& skeleton, const std::vector<float>& response, int w, int h,
                   double px_per_unit) {
    int count = 0;
    const std::vector<int> piece = marks_of(skeleton, w, h, count);
    std::vector<int> length(count, 0);
    std::vector<float> sum(count, 0);
    for (size_t p = 0; p < piece.size(); ++p)
        if (piece[p] >= 0) ++length[piece[p]], sum[piece[p]] += response[p];
    // How much of the area around each pixel is line: texture is busy.
    std::vector<float> density(skeleton.begin(), skeleton.end());
    const float spread = static_cast<float>(kBusyReach * px_per_unit / 2);
    density = gaussian_blur(density, w, h, spread);
    const float lone = 1 / (std::sqrt(2 * 3.14159265f) * spread);  // around a line alone
    std::vector<float> busy(count, 0);
    for (size_t p = 0; p < piece.size(); ++p)
        if (piece[p] >= 0) busy[piece[p]] += density[p];
    const float min_length = static_cast<float>(kMinLength * px_per_unit);
    for (size_t p = 0; p < piece.size(); ++p) {
        const int k = piece[p];
        if (k < 0) continue;
        const float mean = sum[k] / length[k], crowd = busy[k] / length[k] / lone;
        if (length[k] < min_length || mean < kWeakPiece * 0.5f || (crowd > kBusy && mean < kBusyStrong))
            skeleton[p] = 0;
    }
}

// Small dark dots: narrower than the reach, much darker than around them,
// and not long.
std::vector<uint8_t> dark_dots(const std::vector<float>& light, int w, int h, double px_per_unit) {
    const int r = std::max(1, static_cast<int>(std::ceil(kDotReach * px_per_unit)));
    const std::vector<float> around = local_extreme(local_extreme(light, w, h, r, false), w, h, r, true);
    std::vector<uint8_t> dots(light.size());
    for (size_t p = 0; p < dots.size(); ++p) dots[p] = around[p] - light[p] > kDotContrast && light[p] < kDotDarkest;
    int count = 0;
    const std::vector<int> piece = marks_of(dots, w, h, count);
    std::vector<int> x0(count, w), x1(count, -1), y0(count, h), y1(count, -1);
    for (size_t p = 0; p < piece.size(); ++p) {
        const int k = piece[p];
        if (k < 0) continue;
        const int x = static_cast<int>(p % w), y = static_cast<int>(p / w);
        x0[k] = std::min(x0[k], x), x1[k] = std::max(x1[k], x), y0[k] = std::min(y0[k], y), y1[k] = std::max(y1[k], y);
    }
    const double largest = kDotLargest * px_per_unit, least = 0.12 * px_per_unit;
    for (size_t p = 0; p < piece.size(); ++p) {
        const int k = piece[p];
        if (k < 0) continue;
        const double across = std::max(x1[k] - x0[k] + 1, y1[k] - y0[k] + 1);
        if (across > largest || across < least) dots[p] = 0;
    }
    return dots;
}

}  // namespace

void thin_lines(std::vector<uint8_t>& m, int w, int h) {
    const auto at = [&](int x, int y) -> int { return x >= 0 && y >= 0 && x < w && y < h && m[static_cast<size_t>(y) * w + x]; };
    std::vector<int> drop;
    for (bool changed = true; changed;) {
        changed = false;
        for (int pass = 0; pass < 2; ++pass) {
            drop.clear();
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    if (!m[static_cast<size_t>(y) * w + x]) continue;
                    // P2..P9 clockwise from north.
                    const int p[8] = {at(x, y - 1), at(x + 1, y - 1), at(x + 1, y), at(x + 1, y + 1),
                                      at(x, y + 1), at(x - 1, y + 1), at(x - 1, y), at(x - 1, y - 1)};
                    int b = 0, a = 0;
                    for (int k = 0; k < 8; ++k) {
                        b += p[k];
                        a += !p[k] && p[(k + 1) % 8];
                    }
                    if (b < 2 || b > 6 || a != 1) continue;
                    if (pass == 0 ? (p[0] && p[2] && p[4]) || (p[2] && p[4] && p[6])
                                  : (p[0] && p[2] && p[6]) || (p[0] && p[4] && p[6]))
                        continue;
                    drop.push_back(y * w + x);
                }
            for (int q : drop) m[q] = 0;
            changed = changed || !drop.empty();
        }
    }
}

std::vector<uint8_t> feature_lines(const LabImage& lab, double px_per_unit) {
    const int w = lab.w, h = lab.h;
    const std::vector<float> light = lightness_of(lab);
    const float sigma = static_cast<float>(std::max(0.7, kSigma * px_per_unit));
    const std::vector<float> fine = gaussian_blur(light, w, h, sigma), coarse = gaussian_blur(light, w, h, 1.6f * sigma);
    std::vector<float> dark(light.size()), bright(light.size());
    for (size_t p = 0; p < light.size(); ++p) {
        dark[p] = coarse[p] - fine[p];
        bright[p] = fine[p] - coarse[p];
    }
    std::vector<uint8_t> lines = hysteresis(dark, w, h, kStrong, kWeak);
    const std::vector<uint8_t> light_lines = hysteresis(bright, w, h, kStrongLight, kWeak);
    thin_lines(lines, w, h);
    std::vector<uint8_t> whiskers = light_lines;
    thin_lines(whiskers, w, h);
    keep_coherent(lines, dark, w, h, px_per_unit);
    keep_coherent(whiskers, bright, w, h, px_per_unit);
    for (size_t p = 0; p < lines.size(); ++p) lines[p] = lines[p] || whiskers[p];
    std::vector<uint8_t> drawn = grown_mask(lines, w, h, static_cast<float>(std::max(1.0, kHalfWidth * px_per_unit)));
    const std::vector<uint8_t> dots = dark_dots(light, w, h, px_per_unit);
    for (size_t p = 0; p < drawn.size(); ++p) drawn[p] = drawn[p] || dots[p];
    return drawn;
}
