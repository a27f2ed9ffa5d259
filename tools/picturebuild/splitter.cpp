#include "splitter.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "distance.h"
#include "label_ops.h"
#include "split_detail.h"

namespace split_detail {

LocalArea make_local(const std::vector<int>& pixels, int w) {
    LocalArea a;
    int x1 = INT_MIN, y1 = INT_MIN;
    a.x0 = a.y0 = INT_MAX;
    for (int p : pixels) {
        a.x0 = std::min(a.x0, p % w);
        a.y0 = std::min(a.y0, p / w);
        x1 = std::max(x1, p % w);
        y1 = std::max(y1, p / w);
    }
    a.w = x1 - a.x0 + 1;
    a.h = y1 - a.y0 + 1;
    a.inside.assign(static_cast<size_t>(a.w) * a.h, 0);
    for (int p : pixels) a.inside[static_cast<size_t>(p / w - a.y0) * a.w + (p % w - a.x0)] = 1;
    std::vector<int> lab(a.inside.begin(), a.inside.end());
    a.depth = inside_distance(lab, a.w, a.h);
    for (size_t p = 0; p < lab.size(); ++p)
        if (!lab[p]) a.depth[p] = 0;
    return a;
}

}  // namespace split_detail

using namespace split_detail;

namespace {

// A smooth, repeatable wobble in [0, 1] so that cuts wander a little
// instead of running as ruler lines.
float wobble(int x, int y, int phase) {
    auto hash = [phase](int i, int j) {
        uint32_t v = static_cast<uint32_t>(i) * 73856093u ^ static_cast<uint32_t>(j) * 19349663u ^
                     static_cast<uint32_t>(phase + 1) * 83492791u;
        v ^= v >> 13;
        v *= 0x5bd1e995u;
        v ^= v >> 15;
        return (v & 0xFFFF) / 65535.0f;
    };
    const int cell = 24;
    const int i = x / cell, j = y / cell;
    const float fx = static_cast<float>(x % cell) / cell, fy = static_cast<float>(y % cell) / cell;
    const float a = hash(i, j), b = hash(i + 1, j), c = hash(i, j + 1), d = hash(i + 1, j + 1);
    const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

// Multi-source shortest paths inside the area with a bucket queue.
class Grower {
public:
    Grower(const LocalArea& a, double stretch, int phase) : a_(a) {
        const int ch = 10, cv = static_cast<int>(std::lround(10 * stretch));
        const int cd = static_cast<int>(std::lround(std::sqrt(double(ch * ch + cv * cv))));
        const int dx[8] = {1, -1, 0, 0, 1, 1, -1, -1}, dy[8] = {0, 0, 1, -1, 1, -1, 1, -1};
        for (int k = 0; k < 8; ++k) {
            step_[k] = dy[k] * a.w + dx[k];
            dx_[k] = dx[k];
            dy_[k] = dy[k];
            cost_[k] = k < 2 ? ch : k < 4 ? cv : cd;
        }
        weight_.resize(a.inside.size());
        for (int y = 0; y < a.h; ++y)
            for (int x = 0; x < a.w; ++x)
                weight_[static_cast<size_t>(y) * a.w + x] =
                    static_cast<uint8_t>(4 + std::lround(3 * wobble(x + a.x0, y + a.y0, phase)));
        buckets_.resize(cd * 7 / 4 + 2);
        dist.assign(a.inside.size(), INT_MAX);
        owner.assign(a.inside.size(), -1);
    }

    void reset() {
        std::fill(dist.begin(), dist.end(), INT_MAX);
        std::fill(owner.begin(), owner.end(), -1);
    }

    // Grows from the given seeds, taking over pixels it reaches first.
    void grow(const std::vector<int>& seeds, int first_id) {
        const size_t nb = buckets_.size();
        size_t pending = 0;
        for (size_t s = 0; s < seeds.size(); ++s) {
            dist[seeds[s]] = 0;
            owner[seeds[s]] = first_id + static_cast<int>(s);
            buckets_[0].push_back(seeds[s]);
            ++pending;
        }
        for (int d = 0; pending > 0; ++d) {
            std::vector<int>& bucket = buckets_[d % nb];
            for (size_t k = 0; k < bucket.size(); ++k) {
                const int p = bucket[k];
                if (dist[p] != d) continue;
                const int x = p % a_.w, y = p / a_.w;
                for (int n = 0; n < 8; ++n) {
                    const int nx = x + dx_[n], ny = y + dy_[n];
                    if (nx < 0 || ny < 0 || nx >= a_.w || ny >= a_.h) continue;
                    const int q = p + step_[n];
                    if (!a_.inside[q]) continue;
                    const int nd = d + cost_[n] * (weight_[p] + weight_[q]) / 8;
                    if (nd < dist[q]) {
                        dist[q] = nd;
                        owner[q] = owner[p];
                        buckets_[nd % nb].push_back(q);
                        ++pending;
                    }
                }
            }
            pending -= bucket.size();
            bucket.clear();
        }
    }

    std::vector<int> dist;
    std::vector<int> owner;

private:
    const LocalArea& a_;
    int step_[8], dx_[8], dy_[8], cost_[8];
    std::vector<uint8_t> weight_;
    std::vector<std::vector<int>> buckets_;
};

// Farthest-point seeds: each new seed is the interior pixel farthest (along
// paths inside the area) from all earlier ones.
std::vector<int> spread_seeds(const LocalArea& a, Grower& g, int parts, const std::vector<uint8_t>& eligible,
                              int first) {
    std::vector<int> seeds{first};
    g.reset();
    g.grow({first}, 0);
    while (static_cast<int>(seeds.size()) < parts) {
        int best = -1;
        for (size_t p = 0; p < a.inside.size(); ++p)
            if (eligible[p] && g.dist[p] != INT_MAX && (best < 0 || g.dist[p] > g.dist[best])) best = static_cast<int>(p);
        if (best < 0 || g.dist[best] == 0) break;
        seeds.push_back(best);
        g.grow({best}, static_cast<int>(seeds.size()) - 1);
    }
    return seeds;
}

// Moves each seed to the pixel of its piece nearest the piece's centroid.
std::vector<int> recentre(const LocalArea& a, const Grower& g, int parts, const std::vector<uint8_t>& eligible) {
    std::vector<double> sx(parts, 0), sy(parts, 0), n(parts, 0);
    for (size_t p = 0; p < a.inside.size(); ++p)
        if (g.owner[p] >= 0) {
            sx[g.owner[p]] += static_cast<double>(p % a.w);
            sy[g.owner[p]] += static_cast<double>(p / a.w);
            n[g.owner[p]] += 1;
        }
    std::vector<int> seeds(parts, -1);
    std::vector<double> best(parts, 1e300);
    for (int pass = 0; pass < 2; ++pass)  // interior pixels first, any pixel if a piece has none
        for (size_t p = 0; p < a.inside.size(); ++p) {
            const int o = g.owner[p];
            if (o < 0 || (pass == 0 && !eligible[p]) || (pass == 1 && seeds[o] >= 0 && eligible[seeds[o]])) continue;
            const double dx = static_cast<double>(p % a.w) - sx[o] / n[o], dy = static_cast<double>(p / a.w) - sy[o] / n[o];
            const double d = dx * dx + dy * dy;
            if (d < best[o]) {
                best[o] = d;
                seeds[o] = static_cast<int>(p);
            }
        }
    return seeds;
}

}  // namespace

namespace split_detail {

float judge_pieces(const LocalArea& a, std::vector<int>& owner, int parts, const SplitOptions& opt, bool& whole) {
    const float erode = opt.erode;
    std::vector<int> lab(owner.size());
    for (size_t p = 0; p < owner.size(); ++p) lab[p] = a.inside[p] ? owner[p] : -1;
    remove_thin_parts(lab, a.w, a.h, opt.open, &a.inside);
    // Stray diagonal bits of a piece join the piece next to them.
    int count = 0;
    std::vector<int> piece = connected_pieces(lab, a.w, a.h, count);
    std::vector<int> area(count, 0), largest(parts, -1);
    for (size_t p = 0; p < lab.size(); ++p) ++area[piece[p]];
    for (size_t p = 0; p < lab.size(); ++p)
        if (lab[p] >= 0 && (largest[lab[p]] < 0 || area[piece[p]] > area[largest[lab[p]]])) largest[lab[p]] = piece[p];
    std::vector<uint8_t> drop(lab.size(), 0);
    for (size_t p = 0; p < lab.size(); ++p) drop[p] = lab[p] >= 0 && piece[p] != largest[lab[p]];
    reassign_to_neighbours(lab, a.w, a.h, drop, &a.inside);

    // A piece whose core falls apart under the outline gives the parts
    // around its smaller cores to the pieces next to them.
    std::vector<float> d;
    std::vector<int> cores(parts, 0);
    for (int round = 0; round < 3; ++round) {
        d = inside_distance(lab, a.w, a.h);
        std::vector<int> core(lab.size());
        for (size_t p = 0; p < lab.size(); ++p) core[p] = lab[p] >= 0 && d[p] > erode ? lab[p] : -1;
        piece = connected_pieces(core, a.w, a.h, count);
        std::vector<int> size(count, 0), main(parts, -1);
        for (size_t p = 0; p < core.size(); ++p)
            if (core[p] >= 0) ++size[piece[p]];
        std::fill(cores.begin(), cores.end(), 0);
        std::vector<uint8_t> seen(count, 0);
        for (size_t p = 0; p < core.size(); ++p)
            if (core[p] >= 0) {
                const int c = piece[p], l = core[p];
                if (!seen[c]) {
                    seen[c] = 1;
                    ++cores[l];
                }
                if (main[l] < 0 || size[c] > size[main[l]]) main[l] = c;
            }
        if (std::all_of(cores.begin(), cores.end(), [](int c) { return c == 1; })) break;
        // Each pixel of a split piece follows the nearest of its cores.
        std::vector<int> near(lab.size(), -1), queue;
        for (size_t p = 0; p < lab.size(); ++p)
            if (lab[p] >= 0 && cores[lab[p]] > 1 && core[p] >= 0) {
                near[p] = piece[p];
                queue.push_back(static_cast<int>(p));
            }
        for (size_t head = 0; head < queue.size(); ++head) {
            const int p = queue[head];
            const int x = p % a.w, y = p / a.w;
            const int nb[4] = {x > 0 ? p - 1 : -1, x + 1 < a.w ? p + 1 : -1, y > 0 ? p - a.w : -1, y + 1 < a.h ? p + a.w : -1};
            for (int q : nb)
                if (q >= 0 && near[q] < 0 && lab[q] == lab[p]) {
                    near[q] = near[p];
                    queue.push_back(q);
                }
        }
        std::vector<uint8_t> drop2(lab.size(), 0), active(a.inside);
        for (size_t p = 0; p < lab.size(); ++p) {
            if (near[p] < 0) continue;
            if (near[p] != main[lab[p]])
                drop2[p] = 1;
            else
                active[p] = 0;  // the piece keeps its main part and hands nothing back
        }
        reassign_to_neighbours(lab, a.w, a.h, drop2, &active);
    }
    for (size_t p = 0; p < owner.size(); ++p) owner[p] = lab[p];
    std::vector<float> radius(parts, 0);
    for (size_t p = 0; p < lab.size(); ++p)
        if (lab[p] >= 0) radius[lab[p]] = std::max(radius[lab[p]], d[p]);
    whole = std::all_of(cores.begin(), cores.end(), [](int c) { return c == 1; });
    return *std::min_element(radius.begin(), radius.end());
}

}  // namespace split_detail

namespace {

SplitResult split_into_cells(const std::vector<int>& pixels, int w, int parts, const SplitOptions& opt) {
    SplitResult best;
    best.piece.assign(pixels.size(), 0);
    if (parts <= 1 || pixels.empty()) {
        best.ok = true;
        return best;
    }
    const LocalArea a = make_local(pixels, w);
    const float deepest = *std::max_element(a.depth.begin(), a.depth.end());
    std::vector<uint8_t> eligible(a.inside.size());
    for (size_t p = 0; p < eligible.size(); ++p)
        eligible[p] = a.inside[p] && a.depth[p] >= std::min(opt.min_radius, 0.7f * deepest);
    const int pole = static_cast<int>(std::max_element(a.depth.begin(), a.depth.end()) - a.depth.begin());

    for (int attempt = 0; attempt < 8 && !best.ok; ++attempt) {
        Grower g(a, opt.stretch, attempt);
        int first = pole;
        if (attempt % 2 == 1) {  // start from the far end instead of the middle
            g.grow({pole}, 0);
            for (size_t p = 0; p < eligible.size(); ++p)
                if (eligible[p] && g.dist[p] != INT_MAX && g.dist[p] > g.dist[first]) first = static_cast<int>(p);
        }
        std::vector<int> seeds = spread_seeds(a, g, parts, eligible, first);
        if (static_cast<int>(seeds.size()) < parts) {  // too narrow for that many
            best.smallest_radius = deepest;
            break;
        }
        for (int round = 0; round < 4 + attempt; ++round) {
            g.reset();
            g.grow(seeds, 0);
            seeds = recentre(a, g, parts, eligible);
        }
        g.reset();
        g.grow(seeds, 0);
        bool whole = false;
        std::vector<int> owner = g.owner;
        const float r = judge_pieces(a, owner, parts, opt, whole);
        const bool ok = whole && r >= opt.min_radius;
        if (ok || (best.piece.empty() || r > best.smallest_radius)) {
            best.ok = ok;
            best.smallest_radius = r;
            for (size_t k = 0; k < pixels.size(); ++k)
                best.piece[k] = owner[static_cast<size_t>(pixels[k] / w - a.y0) * a.w + (pixels[k] % w - a.x0)];
        }
    }
    return best;
}

}  // namespace

SplitResult split_area(const std::vector<int>& pixels, int w, int h, int parts, const SplitOptions& opt) {
    if (opt.pattern != Pattern::cells && parts > 1 && !pixels.empty()) {
        SplitResult r = split_patterned(pixels, w, h, parts, opt);
        if (r.ok) return r;
        r = split_into_cells(pixels, w, parts, opt);
        r.fell_back = true;
        return r;
    }
    return split_into_cells(pixels, w, parts, opt);
}

std::string split_colours(RegionImage& img, const int wanted[11], const SplitOptions opts[11],
                          std::vector<std::string>* notes, const std::vector<AreaRule>& rules) {
    std::vector<std::vector<int>> pixels(img.count());
    for (size_t p = 0; p < img.label.size(); ++p) pixels[img.label[p]].push_back(static_cast<int>(p));
    const int original = img.count();
    char msg[240];
    auto where = [&](int r) {
        double sx = 0, sy = 0;
        for (int p : pixels[r]) sx += p % img.w, sy += p / img.w;
        const double n = static_cast<double>(pixels[r].size());
        std::snprintf(msg, sizeof msg, " (%.0f, %.0f)", sx / n / img.w * 100, 94 - sy / n / img.h * 94);
        return std::string(msg);
    };
    for (int c = 1; c <= 10; ++c) {
        std::vector<int> areas;
        for (int r = 0; r < original; ++r)
            if (img.colour[r] == c) areas.push_back(r);
        const int have = static_cast<int>(areas.size());
        if (have > wanted[c]) {
            std::snprintf(msg, sizeof msg, "colour %d has %d separate areas but must have %d regions; areas at", c,
                          have, wanted[c]);
            std::string out = msg;
            for (int r : areas) out += where(r);
            return out;
        }
        if (have == wanted[c]) continue;
        if (have == 0) {
            std::snprintf(msg, sizeof msg, "colour %d is missing (%d regions wanted)", c, wanted[c]);
            return msg;
        }
        // Areas with a rule of their own: their pattern, and their count
        // when the rule fixes one.
        std::vector<const AreaRule*> rule(have, nullptr);
        for (const AreaRule& ar : rules)
            if (ar.colour == c && ar.pixel >= 0 && ar.pixel < static_cast<int>(img.label.size()))
                for (int k = 0; k < have; ++k)
                    if (img.label[ar.pixel] == areas[k]) rule[k] = &ar;
        std::vector<int> share(have, 1);
        int dealt = have;
        for (int k = 0; k < have; ++k)
            if (rule[k] && rule[k]->pieces > 0) {
                share[k] = rule[k]->pieces;
                dealt += share[k] - 1;
            }
        if (dealt > wanted[c]) {
            std::snprintf(msg, sizeof msg, "colour %d: the areas with fixed counts need %d regions, %d wanted", c, dealt,
                          wanted[c]);
            return msg;
        }
        // Deal the other extra regions out one by one to the area that
        // would then have the largest pieces, as long as the pieces stay
        // large.
        const double min_area = 12.0 * opts[c].min_radius * opts[c].min_radius;
        for (int extra = wanted[c] - dealt; extra > 0; --extra) {
            int pick = -1;
            double pick_size = 0;
            for (int k = 0; k < have; ++k) {
                if (rule[k] && rule[k]->pieces > 0) continue;
                const double size = static_cast<double>(pixels[areas[k]].size()) / (share[k] + 1);
                if (size >= min_area && size > pick_size) {
                    pick = k;
                    pick_size = size;
                }
            }
            if (pick < 0) {
                std::snprintf(msg, sizeof msg, "colour %d has too little room for %d regions", c, wanted[c]);
                return msg;
            }
            ++share[pick];
        }
        // Bands line up across the separate areas of a colour: one height
        // for all, from their whole area and count.
        SplitOptions common = opts[c];
        if (common.pattern == Pattern::bands && common.band <= 0) {
            std::vector<const std::vector<int>*> group;
            int parts = 0;
            for (int k = 0; k < have; ++k)
                if (!rule[k]) {
                    group.push_back(&pixels[areas[k]]);
                    parts += share[k];
                }
            fit_bands(common, group, img.w, parts);
        }
        for (int k = 0; k < have; ++k) {
            if (share[k] == 1) continue;
            const int r = areas[k];
            const SplitOptions& opt = rule[k] ? rule[k]->opt : common;
            const SplitResult s = split_area(pixels[r], img.w, img.h, share[k], opt);
            if (s.fell_back && notes) {
                std::snprintf(msg, sizeof msg, "colour %d: the area at%s did not take its pattern and was cut into %d cells",
                              c, where(r).c_str(), share[k]);
                notes->push_back(msg);
            }
            if (!s.ok) {
                std::snprintf(msg, sizeof msg,
                              "colour %d: the area at%s (%zu px) cannot be cut into %d good regions (best circle %.1f px)",
                              c, where(r).c_str(), pixels[r].size(), share[k], 2 * s.smallest_radius);
                return msg;
            }
            const int base = img.count();
            for (int n = 1; n < share[k]; ++n) img.colour.push_back(c);
            for (size_t q = 0; q < pixels[r].size(); ++q)
                if (s.piece[q] > 0) img.label[pixels[r][q]] = base + s.piece[q] - 1;
        }
    }
    return "";
}
