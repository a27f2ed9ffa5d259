#include "region_colouring.h"

#include <algorithm>

namespace {

constexpr int kRepairRounds = 50;

int conflicts(const std::vector<std::vector<int>>& nb, const std::vector<int>& colour, int r, int c) {
    int n = 0;
    for (int q : nb[r]) n += colour[q] == c;
    return n;
}

}  // namespace

std::vector<std::vector<int>> region_neighbours(const RegionImage& img) {
    std::vector<std::vector<int>> nb(img.count());
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x) {
            const size_t p = static_cast<size_t>(y) * img.w + x;
            const int a = img.label[p];
            for (const int b : {x + 1 < img.w ? img.label[p + 1] : a, y + 1 < img.h ? img.label[p + img.w] : a})
                if (b != a) {
                    nb[a].push_back(b);
                    nb[b].push_back(a);
                }
        }
    for (std::vector<int>& n : nb) {
        std::sort(n.begin(), n.end());
        n.erase(std::unique(n.begin(), n.end()), n.end());
    }
    return nb;
}

int background_region(const RegionImage& img) {
    std::vector<long> area(img.count(), 0);
    std::vector<uint8_t> edge(img.count(), 0);
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x) {
            const int l = img.label[static_cast<size_t>(y) * img.w + x];
            ++area[l];
            if (x == 0 || y == 0 || x + 1 == img.w || y + 1 == img.h) edge[l] = 1;
        }
    int best = 0;
    for (int r = 0; r < img.count(); ++r)
        if (edge[r] && (!edge[best] || area[r] > area[best])) best = r;
    return best;
}

std::vector<int> colour_regions(const RegionImage& img, int colours, int soft) {
    const int n = img.count();
    const std::vector<std::vector<int>> nb = region_neighbours(img);
    std::vector<int> colour(n, 0), used(colours + 1, 0);
    // The soft colour is the background's; others take it last.
    const int background = background_region(img);
    used[soft] += std::max(1, n / colours);
    std::vector<std::vector<uint8_t>> seen(n, std::vector<uint8_t>(colours + 1, 0));
    std::vector<int> saturation(n, 0);
    const auto paint = [&](int r, int c) {
        colour[r] = c;
        ++used[c];
        for (int q : nb[r])
            if (!seen[q][c]) {
                seen[q][c] = 1;
                ++saturation[q];
            }
    };
    paint(background, soft);
    for (int done = 1; done < n; ++done) {
        int r = -1;
        for (int q = 0; q < n; ++q)
            if (colour[q] == 0 && (r < 0 || saturation[q] > saturation[r] ||
                                   (saturation[q] == saturation[r] && nb[q].size() > nb[r].size())))
                r = q;
        int best = 0;
        for (int c = 1; c <= colours; ++c) {
            const int clash = seen[r][c] ? conflicts(nb, colour, r, c) : 0;
            const int best_clash = best ? (seen[r][best] ? conflicts(nb, colour, r, best) : 0) : 1 << 30;
            if (best == 0 || clash < best_clash || (clash == best_clash && used[c] < used[best])) best = c;
        }
        paint(r, best);
    }
    // What greedy left clashing: each clashing region takes the colour that
    // clashes least, the least used among those.
    for (int round = 0; round < kRepairRounds; ++round) {
        bool any = false;
        for (int r = 0; r < n; ++r) {
            if (conflicts(nb, colour, r, colour[r]) == 0) continue;
            any = true;
            int best = colour[r], best_clash = conflicts(nb, colour, r, best);
            for (int c = 1; c <= colours; ++c) {
                const int clash = conflicts(nb, colour, r, c);
                if (clash < best_clash || (clash == best_clash && c != colour[r] && used[c] < used[best] && round % 2))
                    best = c, best_clash = clash;
            }
            --used[colour[r]];
            colour[r] = best;
            ++used[best];
        }
        if (!any) break;
    }
    return colour;
}
