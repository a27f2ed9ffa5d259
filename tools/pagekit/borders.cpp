#include "borders.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

struct Edge {
    int from, to, left, right;
};

// Directed border edges, with the region on the left going counter-clockwise
// (y up), and for each lattice vertex the edges that leave it.
struct EdgeSet {
    int w, h;
    std::vector<Edge> edges;
    std::vector<int> out;  // 4 slots per vertex

    int vertex(int i, int j) const { return j * (w + 1) + i; }
};

EdgeSet collect_edges(const RegionImage& img) {
    EdgeSet s{img.w, img.h, {}, {}};
    s.out.assign(static_cast<size_t>(img.w + 1) * (img.h + 1) * 4, -1);
    auto at = [&](int i, int j) { return (i < 0 || j < 0 || i >= img.w || j >= img.h) ? -1 : img.label[j * img.w + i]; };
    auto add = [&](int from, int to, int left, int right) {
        int slot = 0;
        while (s.out[from * 4 + slot] >= 0) ++slot;
        s.out[from * 4 + slot] = static_cast<int>(s.edges.size());
        s.edges.push_back({from, to, left, right});
    };
    for (int j = 0; j < img.h; ++j)
        for (int i = 0; i < img.w; ++i) {
            const int a = at(i, j);
            if (at(i, j + 1) != a) add(s.vertex(i, j + 1), s.vertex(i + 1, j + 1), a, at(i, j + 1));
            if (at(i + 1, j) != a) add(s.vertex(i + 1, j + 1), s.vertex(i + 1, j), a, at(i + 1, j));
            if (at(i, j - 1) != a) add(s.vertex(i + 1, j), s.vertex(i, j), a, at(i, j - 1));
            if (at(i - 1, j) != a) add(s.vertex(i, j), s.vertex(i, j + 1), a, at(i - 1, j));
        }
    return s;
}

// Where three or more areas meet, and the picture's corners.
std::vector<uint8_t> find_junctions(const RegionImage& img) {
    auto at = [&](int i, int j) { return (i < 0 || j < 0 || i >= img.w || j >= img.h) ? -1 : img.label[j * img.w + i]; };
    std::vector<uint8_t> junction(static_cast<size_t>(img.w + 1) * (img.h + 1), 0);
    for (int j = 0; j <= img.h; ++j)
        for (int i = 0; i <= img.w; ++i) {
            int l[4] = {at(i - 1, j - 1), at(i, j - 1), at(i - 1, j), at(i, j)};
            std::sort(l, l + 4);
            const int distinct = 1 + (l[1] != l[0]) + (l[2] != l[1]) + (l[3] != l[2]);
            const bool corner = (i == 0 || i == img.w) && (j == 0 || j == img.h);
            junction[j * (img.w + 1) + i] = distinct >= 3 || corner;
        }
    return junction;
}

Pt point_of(int v, int w, int h) { return {static_cast<double>(v % (w + 1)), static_cast<double>(h - v / (w + 1))}; }

// Takes the stair steps out of a traced line; the ends stay put.
Polyline smooth(Polyline p, bool closed) {
    const size_t n = p.size();
    if (n < 3) return p;
    Polyline q(n);
    for (int it = 0; it < 3; ++it) {
        for (size_t i = 0; i < n; ++i) {
            if (!closed && (i == 0 || i + 1 == n)) {
                q[i] = p[i];
                continue;
            }
            const Pt& a = p[(i + n - 1) % n];
            const Pt& c = p[(i + 1) % n];
            q[i] = a * 0.25 + p[i] * 0.5 + c * 0.25;
        }
        std::swap(p, q);
    }
    return p;
}

void simplify_into(const Polyline& line, size_t a, size_t b, double tol, Polyline& out) {
    double worst = -1;
    size_t at = a;
    const Pt d = line[b] - line[a];
    const double len = std::sqrt(d.x * d.x + d.y * d.y);
    for (size_t i = a + 1; i < b; ++i) {
        const Pt e = line[i] - line[a];
        const double dist = len > 0 ? std::fabs(d.x * e.y - d.y * e.x) / len : std::sqrt(e.x * e.x + e.y * e.y);
        if (dist > worst) {
            worst = dist;
            at = i;
        }
    }
    if (worst > tol) {
        simplify_into(line, a, at, tol, out);
        simplify_into(line, at, b, tol, out);
    } else {
        out.push_back(line[b]);
    }
}

}  // namespace

Polyline simplify(const Polyline& line, double tol) {
    if (line.size() < 3) return line;
    Polyline out{line.front()};
    simplify_into(line, 0, line.size() - 1, tol, out);
    return out;
}

Borders trace_borders(const RegionImage& img, double tolerance) {
    const EdgeSet es = collect_edges(img);
    const std::vector<uint8_t> junction = find_junctions(img);
    const int w = img.w, h = img.h;

    // Each region's rings as lattice vertex loops, cut at junctions into
    // chains. A chain is keyed by its first two vertices.
    struct Chain {
        std::vector<int> v;
        int left, right;
        bool closed;
    };
    std::vector<std::vector<std::vector<Chain>>> region_rings(img.count());
    std::vector<uint8_t> used(es.edges.size(), 0);
    for (size_t e0 = 0; e0 < es.edges.size(); ++e0) {
        if (used[e0]) continue;
        const int region = es.edges[e0].left;
        std::vector<int> loop;  // edges in order
        for (int e = static_cast<int>(e0); !used[e];) {
            used[e] = 1;
            loop.push_back(e);
            const int v = es.edges[e].to;
            int next = -1;
            for (int s = 0; s < 4; ++s) {
                const int c = es.out[v * 4 + s];
                if (c >= 0 && es.edges[c].left == region) next = c;
            }
            e = next;
        }
        // Start the loop at a junction (or at its smallest vertex if none).
        size_t start = 0;
        bool has_junction = false;
        for (size_t k = 0; k < loop.size(); ++k)
            if (junction[es.edges[loop[k]].from]) {
                start = k;
                has_junction = true;
                break;
            }
        if (!has_junction)
            for (size_t k = 0; k < loop.size(); ++k)
                if (es.edges[loop[k]].from < es.edges[loop[start]].from) start = k;
        std::rotate(loop.begin(), loop.begin() + start, loop.end());
        std::vector<Chain> ring;
        for (int e : loop) {
            const Edge& ed = es.edges[e];
            if (ring.empty() || (has_junction && junction[ed.from])) ring.push_back({{ed.from}, region, ed.right, !has_junction});
            ring.back().v.push_back(ed.to);
        }
        if (!has_junction) ring.back().v.pop_back();  // the loop's start is not repeated
        region_rings[region].push_back(std::move(ring));
    }

    Borders out;
    std::map<std::pair<int, int>, int> arc_of;  // key of the owner's chain -> arc
    auto key_of = [](const Chain& c) {
        return c.closed ? std::make_pair(*std::min_element(c.v.begin(), c.v.end()), -1) : std::make_pair(c.v[0], c.v[1]);
    };
    for (int r = 0; r < img.count(); ++r)
        for (const auto& ring : region_rings[r])
            for (const Chain& c : ring) {
                if (c.right >= 0 && c.right < r) continue;  // the other side owns it
                Polyline p;
                for (int v : c.v) p.push_back(point_of(v, w, h));
                p = smooth(p, c.closed);
                Borders::Arc arc;
                arc.closed = c.closed;
                arc.left = r;
                arc.right = c.right;
                if (c.closed) {
                    // Simplify the loop as two halves split at its far point.
                    size_t far = 0;
                    double best = -1;
                    for (size_t i = 0; i < p.size(); ++i) {
                        const Pt d = p[i] - p[0];
                        if (d.x * d.x + d.y * d.y > best) {
                            best = d.x * d.x + d.y * d.y;
                            far = i;
                        }
                    }
                    Polyline first(p.begin(), p.begin() + far + 1), second(p.begin() + far, p.end());
                    second.push_back(p[0]);
                    arc.points = simplify(first, tolerance);
                    const Polyline tail = simplify(second, tolerance);
                    arc.points.insert(arc.points.end(), tail.begin() + 1, tail.end() - 1);
                } else {
                    arc.points = simplify(p, tolerance);
                }
                arc_of[key_of(c)] = static_cast<int>(out.arcs.size());
                out.arcs.push_back(std::move(arc));
            }

    out.rings.resize(img.count());
    for (int r = 0; r < img.count(); ++r)
        for (const auto& ring : region_rings[r]) {
            Ring pts;
            for (const Chain& c : ring) {
                const bool mine = c.right < 0 || c.right > r;
                std::pair<int, int> key;
                if (mine)
                    key = key_of(c);
                else if (c.closed)
                    key = key_of(c);
                else
                    key = {c.v.back(), c.v[c.v.size() - 2]};
                const Borders::Arc& arc = out.arcs[arc_of.at(key)];
                Polyline p = arc.points;
                if (!mine) {
                    std::reverse(p.begin(), p.end());
                    if (c.closed) std::rotate(p.begin(), p.end() - 1, p.end());
                }
                if (c.closed) {
                    pts = p;
                } else {
                    pts.insert(pts.end(), p.begin(), p.end() - 1);  // the end is the next chain's start
                }
            }
            out.rings[r].push_back(std::move(pts));
        }
    return out;
}
