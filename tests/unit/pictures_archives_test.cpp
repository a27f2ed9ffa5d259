// Reads every picture archive the build made and checks what the game and
// the child rely on: the region table, solid regions large enough to click
// and to hold their number, regions that tile the picture without gaps or
// overlaps, outlines that leave each region whole, numbers inside their own
// regions, and the sheet behind the regions with the overlays in front.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <memory>
#include <numeric>
#include <set>

#include "pictures_archive.h"

namespace {

// The picture box in the region container's frame, and the container's
// place on screen: its point (11.716, 14.607, 0) is 48.879 units ahead of
// the eye. The picture root holds the sheet and the overlays; container
// (x, y, z) is root (x - 11.716, -z - 51.121, y - 14.607).
constexpr double kBoxX0 = -5.3, kBoxX1 = 28.7, kBoxY0 = -1.4, kBoxY1 = 30.6;
constexpr double kRegionsRootY = -51.121;

// Where a point of the picture root's frame shows on screen, as the point of
// the container's plane z = 0 seen in the same place.
PictureVertex on_screen(const PictureVertex& root) {
    const double k = 48.879 / (root.y + 100.0);
    return {static_cast<float>(11.716 + root.x * k), static_cast<float>(14.607 + root.z * k), 0.0f};
}

struct Region {
    std::string name;
    int colour = 0;
    std::vector<PictureVertex> triangles;
};

struct Picture {
    int number = 0;
    bool detailed = false;
    std::unique_ptr<Pack> pack;
    std::vector<Region> regions;
    std::vector<PictureModel> sheet, numbers, outlines;
};

bool load(int number, bool detailed, Picture& pic) {
    const std::string path = picture_data_dir() + picture_archive(number, detailed);
    if (FILE* f = std::fopen(path.c_str(), "rb"))
        std::fclose(f);
    else
        return false;
    pic.number = number;
    pic.detailed = detailed;
    pic.pack = std::make_unique<Pack>(path.c_str());
    for (const std::string& name : pic.pack->names) {
        int colour = 0, element = 0;
        char tail = 0;
        if (std::sscanf(name.c_str(), "color%del%d%c", &colour, &element, &tail) != 2) continue;
        Region r;
        r.name = name;
        r.colour = colour;
        for (const PictureModel& m : read_object_file(pic.pack->getfile(name.c_str())))
            r.triangles.insert(r.triangles.end(), m.vertices.begin(), m.vertices.end());
        pic.regions.push_back(std::move(r));
    }
    pic.sheet = read_object_file(pic.pack->getfile("block"));
    pic.numbers = read_object_file(pic.pack->getfile("list_nums"));
    pic.outlines = read_object_file(pic.pack->getfile("list_kontur"));
    return true;
}

// The picture box cut into small square cells; each cell remembers which
// region's triangles cover its centre.
class Cells {
public:
    static constexpr double size = 0.025;
    const int w = static_cast<int>(std::lround((kBoxX1 - kBoxX0) / size));
    const int h = static_cast<int>(std::lround((kBoxY1 - kBoxY0) / size));
    std::vector<int> owner = std::vector<int>(static_cast<size_t>(w) * h, -1);  // -1 none, -2 more than one
    int overlaps = 0;

    template <class F>
    void each_cell_in(const PictureVertex* t, F f) const {
        const double x0 = std::min({t[0].x, t[1].x, t[2].x}), x1 = std::max({t[0].x, t[1].x, t[2].x});
        const double y0 = std::min({t[0].y, t[1].y, t[2].y}), y1 = std::max({t[0].y, t[1].y, t[2].y});
        const int i0 = std::max(0, static_cast<int>((x0 - kBoxX0) / size) - 1);
        const int i1 = std::min(w - 1, static_cast<int>((x1 - kBoxX0) / size) + 1);
        const int j0 = std::max(0, static_cast<int>((y0 - kBoxY0) / size) - 1);
        const int j1 = std::min(h - 1, static_cast<int>((y1 - kBoxY0) / size) + 1);
        auto side = [](const PictureVertex& a, const PictureVertex& b, double x, double y) {
            return (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
        };
        const double area = side(t[0], t[1], t[2].x, t[2].y);
        if (area == 0) return;
        for (int j = j0; j <= j1; ++j)
            for (int i = i0; i <= i1; ++i) {
                const double x = kBoxX0 + (i + 0.5) * size, y = kBoxY0 + (j + 0.5) * size;
                if (side(t[0], t[1], x, y) / area > 0 && side(t[1], t[2], x, y) / area > 0 &&
                    side(t[2], t[0], x, y) / area > 0)
                    f(static_cast<size_t>(j) * w + i);
            }
    }

    void paint(const std::vector<PictureVertex>& tris, int id) {
        for (size_t k = 0; k + 2 < tris.size(); k += 3)
            each_cell_in(&tris[k], [&](size_t c) {
                if (owner[c] == -1)
                    owner[c] = id;
                else if (owner[c] != id) {
                    owner[c] = -2;
                    ++overlaps;
                }
            });
    }

    int at(double x, double y) const {
        const int i = static_cast<int>((x - kBoxX0) / size), j = static_cast<int>((y - kBoxY0) / size);
        return (i < 0 || j < 0 || i >= w || j >= h) ? -1 : owner[static_cast<size_t>(j) * w + i];
    }
};

// Squared distance from each cell to the nearest cell where `far` is false
// (Felzenszwalb and Huttenlocher's lower envelope, along rows then columns).
std::vector<double> distance_to_outside(const std::vector<char>& inside, int w, int h) {
    const double inf = 1e18;
    std::vector<double> d(inside.size());
    for (size_t k = 0; k < d.size(); ++k) d[k] = inside[k] ? inf : 0;
    auto pass = [&](int n, int lines, auto index) {
        std::vector<double> f(n), out(n), z(n + 1);
        std::vector<int> v(n);
        for (int l = 0; l < lines; ++l) {
            for (int q = 0; q < n; ++q) f[q] = d[index(l, q)];
            int k = -1;
            for (int q = 0; q < n; ++q) {
                if (f[q] >= inf) continue;
                double s = -inf;
                while (k >= 0) {
                    s = ((f[q] + 1.0 * q * q) - (f[v[k]] + 1.0 * v[k] * v[k])) / (2.0 * (q - v[k]));
                    if (s > z[k]) break;
                    --k;
                }
                ++k;
                v[k] = q;
                z[k] = k == 0 ? -inf : s;
                z[k + 1] = inf;
            }
            for (int q = 0, j = 0; q < n; ++q) {
                if (k < 0) {
                    out[q] = inf;
                    continue;
                }
                while (z[j + 1] < q) ++j;
                out[q] = (q - v[j]) * 1.0 * (q - v[j]) + f[v[j]];
            }
            for (int q = 0; q < n; ++q) d[index(l, q)] = out[q];
        }
    };
    pass(w, h, [w](int row, int q) { return static_cast<size_t>(row) * w + q; });
    pass(h, w, [w](int col, int q) { return static_cast<size_t>(q) * w + col; });
    return d;
}

// Pieces of a triangle list that hang together through shared edges (or,
// with `by_corner`, through shared corners).
int triangle_groups(const std::vector<PictureVertex>& tris, bool by_corner, std::vector<int>* group_of = nullptr) {
    const size_t n = tris.size() / 3;
    std::vector<size_t> parent(n);
    std::iota(parent.begin(), parent.end(), 0);
    auto root = [&](size_t a) {
        while (parent[a] != a) a = parent[a] = parent[parent[a]];
        return a;
    };
    using Key = std::vector<float>;
    std::map<Key, size_t> seen;
    for (size_t t = 0; t < n; ++t)
        for (int e = 0; e < 3; ++e) {
            const PictureVertex& a = tris[3 * t + e];
            const PictureVertex& b = tris[3 * t + (e + 1) % 3];
            const bool a_first = a.x < b.x || (a.x == b.x && a.y < b.y);
            const PictureVertex& p = a_first ? a : b;
            const PictureVertex& q = a_first ? b : a;
            const Key key = by_corner ? Key{a.x, a.y} : Key{p.x, p.y, q.x, q.y};
            auto it = seen.find(key);
            if (it == seen.end())
                seen.emplace(key, t);
            else
                parent[root(t)] = root(it->second);
        }
    std::set<size_t> roots;
    for (size_t t = 0; t < n; ++t) roots.insert(root(t));
    if (group_of) {
        group_of->resize(n);
        std::vector<size_t> ids(roots.begin(), roots.end());
        for (size_t t = 0; t < n; ++t)
            (*group_of)[t] = static_cast<int>(std::lower_bound(ids.begin(), ids.end(), root(t)) - ids.begin());
    }
    return static_cast<int>(roots.size());
}

std::string case_name(const ::testing::TestParamInfo<int>& info) {
    const std::string a = picture_archive(info.param % 20 + 1, info.param >= 20);
    return a.substr(0, a.size() - 4);
}

class PictureArchive : public ::testing::TestWithParam<int> {
protected:
    Picture pic;
    void SetUp() override {
        ASSERT_TRUE(load(GetParam() % 20 + 1, GetParam() >= 20, pic))
            << "no " << picture_archive(GetParam() % 20 + 1, GetParam() >= 20) << " in " << picture_data_dir()
            << ": build the target assets_pictures first";
    }
    double min_circle() const { return pic.detailed ? 0.7 : 1.2; }
};

TEST_P(PictureArchive, HoldsExactlyTheRegionsOfTheTable) {
    for (const char* name : {"block", "list_nums", "list_kontur"}) EXPECT_NE(pic.pack->getfile(name).data, nullptr) << name;
    std::map<int, std::set<int>> elements;
    for (const Region& r : pic.regions) {
        int colour = 0, element = 0;
        std::sscanf(r.name.c_str(), "color%del%d", &colour, &element);
        EXPECT_EQ(r.name, "color" + std::to_string(colour) + "el" + std::to_string(element)) << "no leading zeros";
        EXPECT_TRUE(elements[colour].insert(element).second) << r.name << " twice";
    }
    for (int colour = 1; colour <= 10; ++colour) {
        const int wanted = wanted_regions(pic.number, pic.detailed, colour);
        std::set<int> expected;
        for (int m = 1; m <= wanted; ++m) expected.insert(m);
        EXPECT_EQ(elements[colour], expected) << "colour " << colour;
    }
}

TEST_P(PictureArchive, RegionsAreSolidInsideTheBoxAndLargeEnough) {
    Cells cells;
    for (size_t r = 0; r < pic.regions.size(); ++r) {
        const Region& reg = pic.regions[r];
        ASSERT_GE(reg.triangles.size(), 3u) << reg.name;
        for (const PictureVertex& v : reg.triangles) {
            ASSERT_TRUE(v.x >= kBoxX0 && v.x <= kBoxX1 && v.y >= kBoxY0 && v.y <= kBoxY1 && v.z == 0.0f)
                << reg.name << " has a corner at " << v.x << ", " << v.y << ", " << v.z;
        }
        EXPECT_EQ(triangle_groups(reg.triangles, false), 1) << reg.name << " is not one connected mesh";
        cells.paint(reg.triangles, static_cast<int>(r));
    }
    // The regions tile the picture: no overlaps, no cracks inside its frame.
    int x0 = cells.w, x1 = -1, y0 = cells.h, y1 = -1, holes = 0;
    for (int j = 0; j < cells.h; ++j)
        for (int i = 0; i < cells.w; ++i)
            if (cells.owner[static_cast<size_t>(j) * cells.w + i] >= 0) {
                x0 = std::min(x0, i), x1 = std::max(x1, i), y0 = std::min(y0, j), y1 = std::max(y1, j);
            }
    for (int j = y0; j <= y1; ++j)
        for (int i = x0; i <= x1; ++i) holes += cells.owner[static_cast<size_t>(j) * cells.w + i] == -1;
    const int total = (x1 - x0 + 1) * (y1 - y0 + 1);
    EXPECT_LT(cells.overlaps, total / 2000) << "regions overlap";
    EXPECT_LT(holes, total / 2000) << "cracks between regions";

    // The largest circle inside each region, measured on the cells of its
    // bounding box (with a margin of outside cells).
    std::vector<double> best(pic.regions.size(), 0);
    for (size_t r = 0; r < pic.regions.size(); ++r) {
        int i0 = cells.w, i1 = 0, j0 = cells.h, j1 = 0;
        for (const PictureVertex& v : pic.regions[r].triangles) {
            i0 = std::min(i0, static_cast<int>((v.x - kBoxX0) / Cells::size));
            i1 = std::max(i1, static_cast<int>((v.x - kBoxX0) / Cells::size));
            j0 = std::min(j0, static_cast<int>((v.y - kBoxY0) / Cells::size));
            j1 = std::max(j1, static_cast<int>((v.y - kBoxY0) / Cells::size));
        }
        const int bw = i1 - i0 + 3, bh = j1 - j0 + 3;
        std::vector<char> inside(static_cast<size_t>(bw) * bh, 0);
        for (int j = 0; j < bh; ++j)
            for (int i = 0; i < bw; ++i) {
                const int ci = i0 - 1 + i, cj = j0 - 1 + j;
                if (ci >= 0 && cj >= 0 && ci < cells.w && cj < cells.h)
                    inside[static_cast<size_t>(j) * bw + i] = cells.owner[static_cast<size_t>(cj) * cells.w + ci] == static_cast<int>(r);
            }
        const std::vector<double> d = distance_to_outside(inside, bw, bh);
        best[r] = 2 * (std::sqrt(*std::max_element(d.begin(), d.end())) - 0.5) * Cells::size;
    }
    for (size_t r = 0; r < pic.regions.size(); ++r)
        EXPECT_GE(best[r], min_circle()) << pic.regions[r].name << " holds only a circle of " << best[r];
}

TEST_P(PictureArchive, OutlinesLeaveEveryRegionInOnePiece) {
    Cells cells;
    for (size_t r = 0; r < pic.regions.size(); ++r) cells.paint(pic.regions[r].triangles, static_cast<int>(r));
    ASSERT_FALSE(pic.outlines.empty());
    for (const PictureModel& m : pic.outlines) {
        std::vector<PictureVertex> flat;
        for (const PictureVertex& v : m.vertices) flat.push_back(on_screen(v));
        for (size_t k = 0; k + 2 < flat.size(); k += 3)
            cells.each_cell_in(&flat[k], [&](size_t c) { cells.owner[c] = -3; });
    }
    // What stays visible of each region must hang together (4-neighbours).
    std::vector<int> seen_pieces(pic.regions.size(), 0);
    std::vector<char> done(cells.owner.size(), 0);
    std::vector<size_t> stack;
    for (size_t s = 0; s < cells.owner.size(); ++s) {
        const int r = cells.owner[s];
        if (r < 0 || done[s]) continue;
        int size = 0;
        stack.push_back(s);
        done[s] = 1;
        while (!stack.empty()) {
            const size_t c = stack.back();
            stack.pop_back();
            ++size;
            const int i = static_cast<int>(c % cells.w), j = static_cast<int>(c / cells.w);
            const long nb[4] = {i > 0 ? long(c) - 1 : -1, i + 1 < cells.w ? long(c) + 1 : -1, j > 0 ? long(c) - cells.w : -1,
                                j + 1 < cells.h ? long(c) + cells.w : -1};
            for (long q : nb)
                if (q >= 0 && !done[q] && cells.owner[q] == r) {
                    done[q] = 1;
                    stack.push_back(static_cast<size_t>(q));
                }
        }
        if (size > 4) ++seen_pieces[r];  // a corner cell or two between lines is no piece
    }
    for (size_t r = 0; r < pic.regions.size(); ++r)
        EXPECT_EQ(seen_pieces[r], 1) << pic.regions[r].name << " shows as " << seen_pieces[r] << " pieces";
}

TEST_P(PictureArchive, EveryNumberSitsInItsOwnRegion) {
    Cells cells;
    for (size_t r = 0; r < pic.regions.size(); ++r) cells.paint(pic.regions[r].triangles, static_cast<int>(r));
    ASSERT_FALSE(pic.numbers.empty());
    // The digits are the frontmost model of the numbers overlay.
    const PictureModel* digits = &pic.numbers[0];
    for (const PictureModel& m : pic.numbers)
        if (!m.vertices.empty() && m.vertices[0].y < digits->vertices[0].y) digits = &m;
    std::vector<PictureVertex> flat;
    for (const PictureVertex& v : digits->vertices) flat.push_back(on_screen(v));
    std::vector<int> group;
    const int groups = triangle_groups(flat, true, &group);
    std::vector<float> x0(groups, 1e9f), x1(groups, -1e9f), y0(groups, 1e9f), y1(groups, -1e9f);
    std::vector<std::set<int>> under(groups);
    for (size_t k = 0; k < flat.size(); ++k) {
        const int g = group[k / 3];
        x0[g] = std::min(x0[g], flat[k].x), x1[g] = std::max(x1[g], flat[k].x);
        y0[g] = std::min(y0[g], flat[k].y), y1[g] = std::max(y1[g], flat[k].y);
        under[g].insert(cells.at(flat[k].x, flat[k].y));
    }
    std::vector<int> labels(pic.regions.size(), 0);
    for (int g = 0; g < groups; ++g) {
        ASSERT_EQ(under[g].size(), 1u) << "a number near " << x0[g] << ", " << y0[g] << " crosses a border";
        const int r = *under[g].begin();
        ASSERT_GE(r, 0) << "a number near " << x0[g] << ", " << y0[g] << " lies outside the regions";
        ++labels[r];
        EXPECT_GE(y1[g] - y0[g], 0.5f - 1e-3f) << pic.regions[r].name << "'s number is too small";
    }
    for (size_t r = 0; r < pic.regions.size(); ++r)
        EXPECT_EQ(labels[r], pic.regions[r].colour == 10 ? 0 : 1) << pic.regions[r].name;
}

TEST_P(PictureArchive, SheetLiesBehindTheRegionsAndOverlaysInFront) {
    ASSERT_FALSE(pic.sheet.empty());
    float x0 = 1e9f, x1 = -1e9f, y0 = 1e9f, y1 = -1e9f;
    for (const PictureModel& m : pic.sheet)
        for (const PictureVertex& v : m.vertices) {
            EXPECT_GT(v.y, kRegionsRootY + 0.02f) << "the sheet must lie behind the regions";
            EXPECT_LT(v.y, kRegionsRootY + 0.5f) << "the sheet strays far behind";
            const PictureVertex s = on_screen(v);
            x0 = std::min(x0, s.x), x1 = std::max(x1, s.x), y0 = std::min(y0, s.y), y1 = std::max(y1, s.y);
        }
    EXPECT_TRUE(x0 >= kBoxX0 - 1e-3 && x1 <= kBoxX1 + 1e-3 && y0 >= kBoxY0 - 1e-3 && y1 <= kBoxY1 + 1e-3)
        << "the sheet leaves the picture box";
    for (const Region& r : pic.regions)
        for (const PictureVertex& v : r.triangles)
            ASSERT_TRUE(v.x >= x0 && v.x <= x1 && v.y >= y0 && v.y <= y1) << r.name << " reaches beyond the sheet";
    for (const auto* overlay : {&pic.numbers, &pic.outlines})
        for (const PictureModel& m : *overlay)
            for (const PictureVertex& v : m.vertices) {
                ASSERT_LT(v.y, kRegionsRootY - 0.02f) << "an overlay must lie in front of the regions";
                ASSERT_GT(v.y, kRegionsRootY - 0.5f) << "an overlay floats far in front";
            }
}

INSTANTIATE_TEST_SUITE_P(All, PictureArchive, ::testing::Range(0, 40), case_name);

}  // namespace
