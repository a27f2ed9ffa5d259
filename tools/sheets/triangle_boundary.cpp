#include "triangle_boundary.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>
#include <vector>

namespace {

using ClipperLib::IntPoint;

bool before(const IntPoint& a, const IntPoint& b) { return std::tie(a.X, a.Y) < std::tie(b.X, b.Y); }

// One triangle's edge under its name regardless of direction, lower point
// first: +1 when the triangle runs it from low to high, -1 the other way.
struct Run {
    IntPoint low, high;
    int way;
};

struct Edge {
    IntPoint from, to;
};

// What is left of every edge once the runs in opposite directions have
// cancelled, sorted by where each starts.
std::vector<Edge> uncancelled_edges(const ClipperLib::Paths& triangles) {
    std::vector<Run> runs;
    runs.reserve(3 * triangles.size());
    for (const ClipperLib::Path& t : triangles)
        for (size_t k = 0; k < t.size(); ++k) {
            const IntPoint& a = t[k];
            const IntPoint& b = t[(k + 1) % t.size()];
            if (a == b) continue;
            runs.push_back(before(a, b) ? Run{a, b, 1} : Run{b, a, -1});
        }
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) {
        return before(a.low, b.low) || (a.low == b.low && before(a.high, b.high));
    });
    std::vector<Edge> edges;
    for (size_t i = 0; i < runs.size();) {
        size_t j = i;
        int net = 0;
        for (; j < runs.size() && runs[j].low == runs[i].low && runs[j].high == runs[i].high; ++j) net += runs[j].way;
        for (int n = 0; n < std::abs(net); ++n)
            edges.push_back(net > 0 ? Edge{runs[i].low, runs[i].high} : Edge{runs[i].high, runs[i].low});
        i = j;
    }
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return before(a.from, b.from); });
    return edges;
}

}  // namespace

ClipperLib::Paths triangle_boundary(const ClipperLib::Paths& triangles) {
    const std::vector<Edge> edges = uncancelled_edges(triangles);
    std::vector<bool> used(edges.size(), false);
    // The first edge from `p` not yet in a ring, or edges.size().
    const auto unused_from = [&](const IntPoint& p) {
        size_t e = static_cast<size_t>(
            std::lower_bound(edges.begin(), edges.end(), p,
                             [](const Edge& a, const IntPoint& q) { return before(a.from, q); }) -
            edges.begin());
        while (e < edges.size() && edges[e].from == p && used[e]) ++e;
        return e < edges.size() && edges[e].from == p ? e : edges.size();
    };

    // As many edges leave every point as arrive at it (each triangle is a
    // loop, and a cancelled pair took one of each), so a walk along unused
    // edges always comes back to where it began.
    ClipperLib::Paths rings;
    for (size_t first = 0; first < edges.size(); ++first) {
        if (used[first]) continue;
        ClipperLib::Path ring;
        for (size_t e = first; e < edges.size(); e = unused_from(edges[e].to)) {
            used[e] = true;
            ring.push_back(edges[e].from);
            if (edges[e].to == edges[first].from) break;
        }
        rings.push_back(std::move(ring));
    }
    return rings;
}
