// Cutting an area along lines a painter would draw: bands of sky and water,
// rays around a centre, stripes across a long shape. Each pattern first
// proposes pieces; the pieces are then made whole, too small ones join a
// neighbour, and the count is brought to exactly what is asked by joining
// the smallest or halving the largest.

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <numeric>

#include "distance.h"
#include "label_ops.h"
#include "split_detail.h"

namespace split_detail {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Gives every 4-connected piece of equal label a number of its own
// (0, 1, ... in raster order); pixels outside (-1) stay outside.
int number_pieces(std::vector<int>& lab, int w, int h) {
    int n = 0;
    const std::vector<int> piece = connected_pieces(lab, w, h, n);
    std::vector<int> id(n, -1);
    int count = 0;
    for (size_t p = 0; p < lab.size(); ++p) {
        if (lab[p] < 0) continue;
        int& i = id[piece[p]];
        if (i < 0) i = count++;
        lab[p] = i;
    }
    return count;
}

// The pieces with their areas and the lengths of the borders between them,
// so that pieces can be joined without looking at the pixels again.
class PieceGraph {
public:
    PieceGraph(const std::vector<int>& lab, int w, int h, int count) : area_(count, 0), parent_(count) {
        std::iota(parent_.begin(), parent_.end(), 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const size_t p = static_cast<size_t>(y) * w + x;
                const int a = lab[p];
                if (a < 0) continue;
                ++area_[a];
                if (x + 1 < w) touch(a, lab[p + 1]);
                if (y + 1 < h) touch(a, lab[p + w]);
            }
    }

    int area(int r) const { return area_[r]; }
    bool alive(int r) const { return parent_[r] == r; }

    // The neighbour sharing the longest border with r, -1 when none.
    int best_neighbour(int r) const {
        int best = -1, best_len = 0;
        for (auto it = len_.lower_bound({r, INT_MIN}); it != len_.end() && it->first.first == r; ++it)
            if (it->second > best_len) {
                best = it->first.second;
                best_len = it->second;
            }
        return best;
    }

    // Piece r becomes part of piece into.
    void join(int r, int into) {
        parent_[r] = into;
        area_[into] += area_[r];
        area_[r] = 0;
        std::vector<std::pair<int, int>> nb;
        for (auto it = len_.lower_bound({r, INT_MIN}); it != len_.end() && it->first.first == r; ++it)
            nb.emplace_back(it->first.second, it->second);
        for (const auto& [o, l] : nb) {
            len_.erase({r, o});
            len_.erase({o, r});
            if (o == into) continue;
            len_[{into, o}] += l;
            len_[{o, into}] += l;
        }
    }

    // Writes the joins into `lab` and numbers the pieces left 0, 1, ...
    int apply(std::vector<int>& lab) {
        std::vector<int> id(parent_.size(), -1);
        int count = 0;
        for (size_t r = 0; r < parent_.size(); ++r)
            if (alive(static_cast<int>(r))) id[r] = count++;
        for (int& l : lab)
            if (l >= 0) l = id[root(l)];
        return count;
    }

private:
    void touch(int a, int b) {
        if (b < 0 || a == b) return;
        ++len_[{a, b}];
        ++len_[{b, a}];
    }
    int root(int r) {
        while (parent_[r] != r) r = parent_[r] = parent_[parent_[r]];
        return r;
    }

    std::vector<int> area_;
    std::vector<int> parent_;
    std::map<std::pair<int, int>, int> len_;
};

// Joins every piece whose inscribed circle is under `min_radius` to the
// neighbour it shares the longest border with, smallest pieces first.
int join_small(std::vector<int>& lab, int w, int h, int count, float min_radius) {
    for (int round = 0; round < 30 && count > 1; ++round) {
        const std::vector<float> d = inside_distance(lab, w, h);
        std::vector<float> radius(count, 0);
        for (size_t p = 0; p < lab.size(); ++p)
            if (lab[p] >= 0) radius[lab[p]] = std::max(radius[lab[p]], d[p]);
        PieceGraph g(lab, w, h, count);
        std::vector<int> small;
        for (int r = 0; r < count; ++r)
            if (radius[r] < min_radius) small.push_back(r);
        if (small.empty()) break;
        std::stable_sort(small.begin(), small.end(), [&](int a, int b) { return g.area(a) < g.area(b); });
        bool joined = false;
        for (int r : small) {
            if (!g.alive(r)) continue;
            const int into = g.best_neighbour(r);
            if (into < 0) continue;
            g.join(r, into);
            joined = true;
        }
        if (!joined) break;
        count = g.apply(lab);
    }
    return count;
}

// Joins the smallest pieces to their neighbours until `parts` are left.
int join_down_to(std::vector<int>& lab, int w, int h, int count, int parts) {
    if (count <= parts) return count;
    PieceGraph g(lab, w, h, count);
    for (int left = count; left > parts;) {
        int smallest = -1;
        for (int r = 0; r < count; ++r)
            if (g.alive(r) && g.best_neighbour(r) >= 0 && (smallest < 0 || g.area(r) < g.area(smallest))) smallest = r;
        if (smallest < 0) break;
        g.join(smallest, g.best_neighbour(smallest));
        --left;
    }
    return g.apply(lab);
}

// Shortest path lengths inside piece `id` from the given pixels: 5 per
// straight step, 7 per diagonal one; INT_MAX elsewhere.
std::vector<int> paths_from(const std::vector<int>& lab, int w, int h, int id, const std::vector<int>& sources) {
    std::vector<int> dist(lab.size(), INT_MAX);
    std::vector<int> buckets[8];
    size_t pending = 0;
    for (int s : sources) {
        dist[s] = 0;
        buckets[0].push_back(s);
        ++pending;
    }
    const int dx[8] = {1, -1, 0, 0, 1, 1, -1, -1}, dy[8] = {0, 0, 1, -1, 1, -1, 1, -1};
    for (int d = 0; pending > 0; ++d) {
        std::vector<int>& bucket = buckets[d % 8];
        for (size_t k = 0; k < bucket.size(); ++k) {
            const int p = bucket[k];
            if (dist[p] != d) continue;
            const int x = p % w, y = p / w;
            for (int n = 0; n < 8; ++n) {
                const int nx = x + dx[n], ny = y + dy[n];
                if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
                const int q = ny * w + nx;
                const int nd = d + (n < 4 ? 5 : 7);
                if (lab[q] == id && nd < dist[q]) {
                    dist[q] = nd;
                    buckets[nd % 8].push_back(q);
                    ++pending;
                }
            }
        }
        pending -= bucket.size();
        bucket.clear();
    }
    return dist;
}

// The pixel of piece `id` farthest along paths inside it from `from`.
int far_end(const std::vector<int>& lab, int w, int h, int id, int from) {
    const std::vector<int> d = paths_from(lab, w, h, id, {from});
    int best = from;
    for (size_t p = 0; p < lab.size(); ++p)
        if (lab[p] == id && d[p] > d[best]) best = static_cast<int>(p);
    return best;
}

// Cuts piece `id` into lengths in the order of `key` (smaller first): the
// lengths hold pixel counts in the proportions of `weights`. The first
// length keeps `id`, the others are numbered from `count` on. Returns the
// new count.
int cut_lengths(std::vector<int>& lab, int id, int count, const std::vector<double>& key,
                const std::vector<double>& weights) {
    std::vector<int> px;
    for (size_t p = 0; p < lab.size(); ++p)
        if (lab[p] == id) px.push_back(static_cast<int>(p));
    std::stable_sort(px.begin(), px.end(), [&](int a, int b) { return key[a] < key[b]; });
    const double total = std::accumulate(weights.begin(), weights.end(), 0.0);
    double edge = 0;
    size_t next = 0;
    for (size_t k = 0; k < weights.size(); ++k) {
        edge += weights[k];
        const size_t end = k + 1 == weights.size() ? px.size() : static_cast<size_t>(std::lround(edge / total * px.size()));
        const int label = k == 0 ? id : count++;
        for (; next < end && next < px.size(); ++next) lab[px[next]] = label;
    }
    return count;
}

// Halves the largest pieces across their length until there are `parts`:
// at the middle of `along` when given, else of the paths inside the piece
// from one end.
int halve_up_to(std::vector<int>& lab, int w, int h, int count, int parts, const std::vector<double>& along) {
    while (count < parts) {
        std::vector<int> area(count, 0), first(count, -1);
        for (size_t p = 0; p < lab.size(); ++p)
            if (lab[p] >= 0) {
                if (first[lab[p]] < 0) first[lab[p]] = static_cast<int>(p);
                ++area[lab[p]];
            }
        const int big = static_cast<int>(std::max_element(area.begin(), area.end()) - area.begin());
        if (area[big] < 2) break;
        if (!along.empty()) {
            count = cut_lengths(lab, big, count, along, {1.0, 1.0});
        } else {
            const int end = far_end(lab, w, h, big, far_end(lab, w, h, big, first[big]));
            const std::vector<int> d = paths_from(lab, w, h, big, {end});
            count = cut_lengths(lab, big, count, std::vector<double>(d.begin(), d.end()), {1.0, 1.0});
        }
        const int pieces = number_pieces(lab, w, h);
        if (pieces != count) return pieces;  // a half came apart: join it up first
    }
    return count;
}

// How many lengths each of the pieces gets so that there are `parts` in
// all, in proportion to the pieces' areas, at least one each.
std::vector<int> deal_lengths(const std::vector<int>& area, int parts) {
    const int n = static_cast<int>(area.size());
    const double total = std::accumulate(area.begin(), area.end(), 0.0);
    std::vector<double> ideal(n);
    std::vector<int> share(n);
    int sum = 0;
    for (int r = 0; r < n; ++r) {
        ideal[r] = parts * area[r] / total;
        share[r] = std::max(1, static_cast<int>(ideal[r]));
        sum += share[r];
    }
    while (sum < parts) {
        int pick = 0;
        for (int r = 1; r < n; ++r)
            if (ideal[r] - share[r] > ideal[pick] - share[pick]) pick = r;
        ++share[pick];
        ++sum;
    }
    while (sum > parts) {
        int pick = -1;
        for (int r = 0; r < n; ++r)
            if (share[r] > 1 && (pick < 0 || ideal[r] - share[r] < ideal[pick] - share[pick])) pick = r;
        if (pick < 0) break;
        --share[pick];
        --sum;
    }
    return share;
}

// Bands: rows between wavy lines, each row cut into lengths whose joints
// lean a little; every other row starts and ends with half lengths, like
// courses of bricks.
int propose_bands(const LocalArea& a, std::vector<int>& lab, int parts, const SplitOptions& opt, double band,
                  bool stagger, std::vector<double>& u) {
    // u runs along the bands, v across them.
    u.assign(lab.size(), 0);
    std::vector<double> v(lab.size(), 0);
    for (int y = 0; y < a.h; ++y)
        for (int x = 0; x < a.w; ++x) {
            const size_t p = static_cast<size_t>(y) * a.w + x;
            if (!a.inside[p]) continue;
            band_coordinates(opt, x + a.x0, y + a.y0, u[p], v[p]);
            lab[p] = static_cast<int>(std::floor((v[p] - opt.offset) / band)) + 1000000;
        }
    int count = number_pieces(lab, a.w, a.h);
    count = join_small(lab, a.w, a.h, count, opt.min_radius);
    count = join_down_to(lab, a.w, a.h, count, parts);

    std::vector<int> area(count, 0);
    std::vector<double> mean_v(count, 0);
    for (size_t p = 0; p < lab.size(); ++p) {
        const int r = lab[p];
        if (r < 0) continue;
        ++area[r];
        mean_v[r] += v[p];
    }
    for (int r = 0; r < count; ++r) mean_v[r] /= std::max(1, area[r]);
    const std::vector<int> share = deal_lengths(area, parts);
    const int rows = count;
    for (int r = 0; r < rows; ++r) {
        if (share[r] < 2) continue;
        // Lengths are measured along the band; the joints lean by `slant`.
        std::vector<double> key(lab.size(), 0);
        for (size_t p = 0; p < lab.size(); ++p)
            if (lab[p] == r) key[p] = u[p] + opt.slant * (v[p] - mean_v[r]);
        std::vector<double> weights(share[r], 1.0);
        const bool odd_row = static_cast<long>(std::floor((mean_v[r] - opt.offset) / band)) % 2 != 0;
        if (stagger && odd_row && share[r] >= 3) weights.front() = weights.back() = 0.5;
        count = cut_lengths(lab, r, count, key, weights);
    }
    return count;
}

// Rays: slices of equal angle around the centre, as many as make about
// `parts` pieces.
int propose_rays(const LocalArea& a, std::vector<int>& lab, int parts, const SplitOptions& opt, double turn) {
    std::vector<double> angle(lab.size(), 0);
    for (int y = 0; y < a.h; ++y)
        for (int x = 0; x < a.w; ++x) {
            const size_t p = static_cast<size_t>(y) * a.w + x;
            if (!a.inside[p]) continue;
            const double dx = x + a.x0 + 0.5 - opt.cx, dy = opt.cy - (y + a.y0 + 0.5);
            angle[p] = std::fmod(std::atan2(dy, dx) - opt.phase - turn + 8 * kPi, 2 * kPi);
        }
    std::vector<int> best;
    int best_count = 0;
    int slices = parts;
    for (int attempt = 0; attempt < 4; ++attempt) {
        std::vector<int> trial(lab.size(), -1);
        for (size_t p = 0; p < lab.size(); ++p)
            if (a.inside[p]) trial[p] = std::min(slices - 1, static_cast<int>(angle[p] / (2 * kPi) * slices));
        int count = number_pieces(trial, a.w, a.h);
        count = join_small(trial, a.w, a.h, count, opt.min_radius);
        if (best.empty() || std::abs(count - parts) < std::abs(best_count - parts)) {
            best = trial;
            best_count = count;
        }
        if (count == parts || count == 0) break;
        slices = std::max(1, static_cast<int>(std::lround(static_cast<double>(slices) * parts / count)));
    }
    lab = best;
    return best_count;
}

// Stripes: lengths across the area from one end to the other.
int propose_stripes(const LocalArea& a, std::vector<int>& lab, int parts, bool other_end) {
    for (size_t p = 0; p < lab.size(); ++p) lab[p] = a.inside[p] ? 0 : -1;
    const int pole = static_cast<int>(std::max_element(a.depth.begin(), a.depth.end()) - a.depth.begin());
    int end = far_end(lab, a.w, a.h, 0, pole);
    if (other_end) end = far_end(lab, a.w, a.h, 0, end);
    const std::vector<int> d = paths_from(lab, a.w, a.h, 0, {end});
    const std::vector<double> key(d.begin(), d.end());
    return cut_lengths(lab, 0, 1, key, std::vector<double>(parts, 1.0));
}

}  // namespace

void band_coordinates(const SplitOptions& opt, int x, int y, double& u, double& v) {
    const double X = x + 0.5, Y = y + 0.5;
    const double ca = std::cos(opt.angle), sa = std::sin(opt.angle);
    u = X * ca - Y * sa;
    v = Y * ca + X * sa + opt.wave * std::sin(2 * kPi * u / opt.wavelength + opt.phase);
}

void fit_bands(SplitOptions& opt, const std::vector<const std::vector<int>*>& pixels, int w, int parts) {
    double total = 0, lo = 1e300, hi = -1e300, u = 0, v = 0;
    for (const std::vector<int>* area : pixels) {
        total += static_cast<double>(area->size());
        for (int p : *area) {
            band_coordinates(opt, p % w, p / w, u, v);
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    }
    if (total <= 0 || parts <= 0) return;
    const double wanted = std::sqrt(total / (parts * opt.aspect));
    const int rows = std::max(1, static_cast<int>(std::lround((hi - lo) / wanted)));
    opt.band = (hi - lo) / rows + 1e-6;
    opt.offset = lo;
}

SplitResult split_patterned(const std::vector<int>& pixels, int w, int /*h*/, int parts, const SplitOptions& opt) {
    SplitResult best;
    const LocalArea a = make_local(pixels, w);
    for (int attempt = 0; attempt < 6 && !best.ok; ++attempt) {
        std::vector<int> lab(a.inside.size(), -1);
        std::vector<double> along;  // bands: the direction they run in
        int count = 0;
        switch (opt.pattern) {
            case Pattern::bands: {
                // Later attempts take plain lengths, and thicker bands
                // unless the artist gave their height.
                SplitOptions o = opt;
                if (o.band <= 0) fit_bands(o, {&pixels}, w, parts);
                const double band = o.fixed_band ? o.band : o.band * (1 + 0.2 * (attempt / 2));
                count = propose_bands(a, lab, parts, o, band, attempt % 2 == 0, along);
                break;
            }
            case Pattern::rays:
                count = propose_rays(a, lab, parts, opt, attempt * 2 * kPi / parts / 6);
                break;
            case Pattern::stripes:
                if (attempt >= 2) return best;
                count = propose_stripes(a, lab, parts, attempt == 1);
                break;
            case Pattern::cells:
                return best;
        }
        count = number_pieces(lab, a.w, a.h);
        for (int round = 0; round < 8; ++round) {
            count = join_small(lab, a.w, a.h, count, opt.min_radius);
            count = join_down_to(lab, a.w, a.h, count, parts);
            count = halve_up_to(lab, a.w, a.h, count, parts, along);
            if (count == parts) break;
        }
        if (count != parts) continue;
        bool whole = false;
        const float r = judge_pieces(a, lab, parts, opt, whole);
        const bool ok = whole && r >= opt.min_radius;
        if (best.piece.empty() || ok || r > best.smallest_radius) {
            best.ok = ok;
            best.smallest_radius = r;
            best.piece.assign(pixels.size(), 0);
            for (size_t k = 0; k < pixels.size(); ++k)
                best.piece[k] = lab[static_cast<size_t>(pixels[k] / w - a.y0) * a.w + (pixels[k] % w - a.x0)];
        }
    }
    return best;
}

}  // namespace split_detail
