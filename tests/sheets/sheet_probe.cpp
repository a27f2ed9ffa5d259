// Checks a rendered colouring sheet against the archive it was drawn from:
// the outline and the numbers are ink where their meshes lie, the picture is
// mostly paper, and each key swatch shows its palette colour.
//   sheet_probe ARCHIVE PICTURE PAGE.ppm DPI
// The page is A4, rendered by pdftoppm at DPI; exit status 0 when it checks
// out, 1 with the reasons on standard error.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "game/page_table.h"
#include "res/archive.h"
#include "scene/model_record.h"
#include "sheet_art.h"
#include "sheet_layout.h"

namespace {

struct Image {
    int w = 0, h = 0;
    std::vector<unsigned char> rgb;
    const unsigned char* at(int x, int y) const { return &rgb[3 * (static_cast<size_t>(y) * w + x)]; }
};

bool read_ppm(const char* path, Image* img) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maxval = 0;
    in >> magic >> img->w >> img->h >> maxval;
    in.get();
    if (!in || magic != "P6" || maxval != 255 || img->w <= 0 || img->h <= 0) return false;
    img->rgb.resize(3 * static_cast<size_t>(img->w) * img->h);
    in.read(reinterpret_cast<char*>(img->rgb.data()), static_cast<std::streamsize>(img->rgb.size()));
    return static_cast<size_t>(in.gcount()) == img->rgb.size();
}

int failures = 0;
void fail(const std::string& what) {
    std::fprintf(stderr, "sheet_probe: %s\n", what.c_str());
    ++failures;
}

// The incentre and inradius of a triangle.
struct Incircle {
    SheetPoint centre;
    double radius;
};
Incircle incircle(SheetPoint a, SheetPoint b, SheetPoint c) {
    const double la = std::hypot(b.x - c.x, b.y - c.y), lb = std::hypot(a.x - c.x, a.y - c.y),
                 lc = std::hypot(a.x - b.x, a.y - b.y), sum = la + lb + lc;
    const double area = std::fabs((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y)) / 2;
    if (sum == 0) return {a, 0};
    return {{(la * a.x + lb * b.x + lc * c.x) / sum, (la * a.y + lb * b.y + lc * c.y) / sum}, 2 * area / sum};
}

// The widest triangles of the meshes textured `texture` in `entry`.
std::vector<Incircle> widest(const Archive& archive, const char* entry, const char* texture, PicturePlane plane,
                             size_t count) {
    const raw file = archive.getfile(entry);
    std::vector<MeshRecord> records;
    read_object_records(file.data, file.size, &records);
    std::vector<Incircle> all;
    for (const MeshRecord& m : records) {
        if (std::strcmp(m.texture_name, texture) != 0) continue;
        for (int t = 0; t < m.triangle_count; ++t)
            all.push_back(incircle(plane_point(m, 3 * t, plane), plane_point(m, 3 * t + 1, plane),
                                   plane_point(m, 3 * t + 2, plane)));
    }
    std::sort(all.begin(), all.end(), [](const Incircle& a, const Incircle& b) { return a.radius > b.radius; });
    all.resize(std::min(all.size(), count));
    return all;
}

int grey(const unsigned char* p) { return (p[0] + p[1] + p[2]) / 3; }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: sheet_probe ARCHIVE PICTURE PAGE.ppm DPI\n");
        return 2;
    }
    Archive archive;
    if (!archive.load(argv[1])) {
        std::fprintf(stderr, "sheet_probe: cannot read %s\n", argv[1]);
        return 2;
    }
    const int picture = std::atoi(argv[2]);
    const double px = std::atof(argv[4]) / 72;  // pixels per point
    Image img;
    if (picture < 1 || picture > page_count || !read_ppm(argv[3], &img)) {
        std::fprintf(stderr, "sheet_probe: bad picture number or no readable PPM in %s\n", argv[3]);
        return 2;
    }
    SheetArt art;
    std::string error;
    if (!read_sheet_art(archive, &art, &error)) {
        std::fprintf(stderr, "sheet_probe: %s\n", error.c_str());
        return 1;
    }
    const PageFigures& figures = page_figures[picture - 1];
    const SheetLayout layout = layout_sheet(paper_a4, art.low, art.high, figures.tubes);
    if (std::abs(img.w - static_cast<int>(std::ceil(paper_a4.width * px))) > 1) fail("the page is not A4 wide");

    // Ink: the darkest pixel next to the centre of each of the widest
    // triangles of the outline and of the numbers.
    const auto pixel = [&](SheetPoint page) {
        return std::make_pair(static_cast<int>(page.x * px), static_cast<int>(page.y * px));
    };
    const auto check_ink = [&](const char* entry, const char* texture, const char* what) {
        const std::vector<Incircle> spots = widest(archive, entry, texture, art.plane, 12);
        if (spots.empty()) fail(std::string("no ") + what + " in the archive");
        for (const Incircle& s : spots) {
            const auto [x, y] = pixel(layout.to_page(s.centre));
            int darkest = 255;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (x + dx >= 0 && y + dy >= 0 && x + dx < img.w && y + dy < img.h)
                        darkest = std::min(darkest, grey(img.at(x + dx, y + dy)));
            if (darkest > 64) {
                char msg[160];
                std::snprintf(msg, sizeof msg, "%s at (%.2f, %.2f), pixel (%d, %d), is not dark: grey %d", what,
                              s.centre.x, s.centre.y, x, y, darkest);
                fail(msg);
            }
        }
        std::printf("%s: %zu spots dark (widest %.1f px across)\n", what, spots.size(),
                    spots.empty() ? 0.0 : 2 * spots[0].radius * layout.scale * px);
    };
    check_ink("list_kontur", "tex_ink", "outline");
    check_ink("list_nums", "tex_digit", "label digit");

    // Paper: a colouring page is mostly white inside the picture.
    const auto [x0, y0] = pixel({layout.drawing.x, layout.drawing.y});
    const auto [x1, y1] = pixel({layout.drawing.x + layout.drawing.w, layout.drawing.y + layout.drawing.h});
    long dark = 0, total = 0;
    for (int y = std::max(y0, 0); y < std::min(y1, img.h); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, img.w); ++x, ++total) dark += grey(img.at(x, y)) < 128;
    const double share = total ? static_cast<double>(dark) / total : 1;
    std::printf("ink covers %.1f %% of the picture\n", 100 * share);
    if (share < 0.03 || share > 0.35) fail("the picture's ink share is off");

    // The key: the middle of each swatch in its palette colour.
    for (int i = 0; i < figures.tubes; ++i) {
        const SheetBox& b = layout.swatches[static_cast<size_t>(i)];
        const auto [x, y] = pixel({b.centre_x(), b.centre_y()});
        const unsigned char* p = img.at(std::clamp(x, 0, img.w - 1), std::clamp(y, 0, img.h - 1));
        const uint32_t c = figures.palette[i];
        const int want[3] = {static_cast<int>(c >> 16 & 0xFF), static_cast<int>(c >> 8 & 0xFF),
                             static_cast<int>(c & 0xFF)};
        for (int k = 0; k < 3; ++k)
            if (std::abs(p[k] - want[k]) > 2) {
                char msg[160];
                std::snprintf(msg, sizeof msg, "swatch %d is %02X%02X%02X, not %06X", i + 1, p[0], p[1], p[2], c);
                fail(msg);
                break;
            }
    }
    std::printf("%d key swatches checked\n", figures.tubes);
    return failures == 0 ? 0 : 1;
}
