#include "palette.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr float kGreyChroma = 10;   // below this a colour counts as grey
constexpr float kApart = 12;        // Delta E that tells two tubes apart
constexpr double kMeanLight = 68;   // L* the lifted picture reaches on average

float chroma(const Lab& c) { return std::hypot(c.a, c.b); }

// Rainbow position: hue angle from red (about 20 degrees in L*a*b*) on;
// the greys after every hue, light to dark.
double rainbow_key(const Lab& c) {
    if (chroma(c) < kGreyChroma) return 1000 + (100 - c.L);
    double deg = std::atan2(c.b, c.a) * 180 / kPi - 20;
    while (deg < 0) deg += 360;
    return deg;
}

Lab with_lch(float L, float C, float hue) { return {L, C * std::cos(hue), C * std::sin(hue)}; }

// Pushes tubes that lie too close apart in lightness, a little at a time.
void keep_apart(std::vector<Lab>& tubes) {
    for (int pass = 0; pass < 20; ++pass) {
        bool moved = false;
        for (size_t i = 0; i < tubes.size(); ++i)
            for (size_t j = i + 1; j < tubes.size(); ++j) {
                const float d = std::sqrt(lab_distance2(tubes[i], tubes[j]));
                if (d >= kApart) continue;
                Lab& light = tubes[i].L >= tubes[j].L ? tubes[i] : tubes[j];
                Lab& dark = tubes[i].L >= tubes[j].L ? tubes[j] : tubes[i];
                const float step = (kApart - d) / 2 + 0.5f;
                light.L = std::min(98.0f, light.L + step);
                dark.L = std::max(8.0f, dark.L - step);
                moved = true;
            }
        if (!moved) break;
    }
}

// Back inside sRGB by giving up chroma, never hue or lightness.
Lab gamut_mapped(const Lab& c) {
    const float hue = std::atan2(c.b, c.a);
    Lab out = c;
    for (int k = 0; k < 80; ++k) {
        bool inside = false;
        rgb_of_lab(out, &inside);
        if (inside) return out;
        out = with_lch(c.L, chroma(out) * 0.95f, hue);
    }
    return with_lch(c.L, 0, hue);
}

}  // namespace

Lab lifted(const Lab& c, float keep) {
    const float L = 100 - (100 - c.L) * keep;
    const float C0 = chroma(c);
    // Chroma grows more where the lightness is lifted more.
    const float C = C0 < 4 ? C0 : C0 * (0.95f + 0.25f / keep) + 6;
    return gamut_mapped(with_lch(L, C, std::atan2(c.b, c.a)));
}

Palette make_palette(const std::vector<Lab>& centres, const std::vector<int>& regions,
                     const std::vector<size_t>& pixels, int min_tubes) {
    std::vector<int> used, unused;
    for (size_t k = 0; k < centres.size(); ++k) (regions[k] > 0 ? used : unused).push_back(static_cast<int>(k));
    // The picture's mean lightness decides how far it is lifted.
    double mean = 0, total = 0;
    for (size_t k = 0; k < centres.size(); ++k) {
        mean += static_cast<double>(pixels[k]) * centres[k].L;
        total += static_cast<double>(pixels[k]);
    }
    mean = total > 0 ? mean / total : 50;
    const float keep = static_cast<float>(std::clamp((100 - kMeanLight) / std::max(1.0, 100 - mean), 0.4, 0.78));
    std::vector<Lab> lift(centres.size());
    for (size_t k = 0; k < centres.size(); ++k) lift[k] = lifted(centres[k], keep);
    const auto by_rainbow = [&](int a, int b) { return rainbow_key(lift[a]) < rainbow_key(lift[b]); };
    std::stable_sort(used.begin(), used.end(), by_rainbow);
    std::stable_sort(unused.begin(), unused.end(), by_rainbow);

    Palette out;
    out.tube_of_cluster.assign(centres.size(), 0);
    std::vector<Lab> tubes;
    for (int k : used) {
        tubes.push_back(lift[k]);
        out.tube_of_cluster[k] = static_cast<int>(tubes.size());
    }
    for (size_t i = 0; i < unused.size() && static_cast<int>(tubes.size()) < min_tubes; ++i) {
        tubes.push_back(lift[unused[i]]);
        out.tube_of_cluster[unused[i]] = static_cast<int>(tubes.size());
    }
    // Sun yellow, sky blue, grass green, tomato red, violet.
    static const uint8_t spare[5][3] = {{255, 210, 63}, {91, 192, 235}, {155, 197, 61}, {229, 89, 52}, {157, 78, 221}};
    for (float apart : {20.0f, 0.0f})
        for (const auto& s : spare) {
            if (static_cast<int>(tubes.size()) >= min_tubes) break;
            const Lab c = lab_of_rgb(s);
            bool fits = true;
            for (const Lab& t : tubes) fits = fits && lab_distance2(c, t) >= apart * apart && lab_distance2(c, t) > 0;
            if (fits) tubes.push_back(c);
        }
    keep_apart(tubes);
    for (const Lab& t : tubes) out.rgb.push_back(rgb_of_lab(gamut_mapped(t)));
    return out;
}

std::vector<uint32_t> cheerful_palette(int tubes, int& soft) {
    // In rainbow order; `rank` is the order they are taken in.
    struct Tube {
        uint32_t rgb;
        int rank;
    };
    static const Tube kTubes[9] = {{0xF25C54, 1}, {0xFF9F1C, 5}, {0xFFD93D, 2}, {0x8ACB4F, 3}, {0x2EC4B6, 8},
                                   {0xB9E3F7, 0}, {0x4D8FEA, 4}, {0xA56CDB, 7}, {0xF78FC4, 6}};
    std::vector<uint32_t> out;
    soft = 0;
    for (const Tube& t : kTubes)
        if (t.rank < tubes) {
            out.push_back(t.rgb);
            if (t.rank == 0) soft = static_cast<int>(out.size());
        }
    return out;
}
