#include "page_import.h"

#include <algorithm>
#include <cmath>

#include "digit_glyphs.h"
#include "ink_lines.h"
#include "kmeans.h"
#include "number_places.h"
#include "paintable_regions.h"
#include "palette.h"
#include "picture_frame.h"
#include "resample.h"
#include "smoothing.h"

namespace {

// How far (working pixels) a smoothed, simplified border may stray from the
// raster's edge of a region.
constexpr double kSlack = 1.0;

// No colour of the picture lies further than this (Delta E) from its mean.
constexpr float kFlat = 3.0f;

bool is_flat(const LabImage& img) {
    const size_t n = static_cast<size_t>(img.w) * img.h;
    double mean[3] = {0, 0, 0};
    for (size_t p = 0; p < n; ++p)
        for (int c = 0; c < 3; ++c) mean[c] += img.at(p)[c];
    const Lab m{static_cast<float>(mean[0] / n), static_cast<float>(mean[1] / n), static_cast<float>(mean[2] / n)};
    for (size_t p = 0; p < n; ++p) {
        const float* c = img.at(p);
        if (lab_distance2({c[0], c[1], c[2]}, m) > kFlat * kFlat) return false;
    }
    return true;
}

// The circle the smallest number with its halo needs, clear of the outline.
double number_circle(const DigitGlyphs& glyphs) {
    double widest = 0;
    for (int d = 1; d <= 9; ++d) widest = std::max(widest, glyphs.width(d));
    return 2 * (frame::outline_width / 2 + frame::digit_halo + frame::min_digit / 2 * std::hypot(1.0, widest));
}

// The clusters cut into regions a child can paint, and the dark lines: what
// they close off becomes a region of its own (when the regions then still
// pass), the rest is left in `lines` for the ink. "" or what went wrong.
std::string cut_regions(const LabImage& lab, const Clusters& clusters, const RegionLimits& lim, const InkOptions& ink,
                        RegionImage& img, std::vector<uint8_t>& lines, float& smallest) {
    const std::string error =
        paintable_regions(clusters.of_pixel, lab.w, lab.h, clusters.centres, lim, img, smallest);
    if (!error.empty()) return error;
    lines = dark_lines(lab, ink);
    RegionImage parted = img;
    std::vector<uint8_t> closed = lines;
    part_along_lines(parted, closed, lim.min_radius);
    float least = 0;
    if (finish_regions(parted, lim, least).empty()) {
        img = std::move(parted);
        lines = std::move(closed);
        smallest = least;
    }
    if (img.count() < 2) return "no part of the picture is large enough to paint on its own";
    if (img.count() > page_max_regions)
        return "the picture would need more than " + std::to_string(page_max_regions) + " regions";
    return "";
}

// The tubes for the regions' clusters; the regions then carry tube numbers
// and are ordered by tube, then top to bottom.
Palette number_by_tube(RegionImage& img, const Clusters& clusters) {
    std::vector<int> per_cluster(clusters.centres.size(), 0);
    std::vector<size_t> area(clusters.centres.size(), 0);
    for (int c : img.colour) ++per_cluster[c - 1];
    for (int l : img.label) ++area[img.colour[l] - 1];
    const Palette palette = make_palette(clusters.centres, per_cluster, area);
    for (int& c : img.colour) c = palette.tube_of_cluster[c - 1];
    sort_regions(img);
    return palette;
}

}  // namespace

double WorkingPicture::px_per_unit() const { return Grid::px_per_unit / frame::unit / place.scale; }

double min_circle_of(bool detailed, const DigitGlyphs& glyphs) {
    return std::max(detailed ? frame::detailed_min_circle : frame::simple_min_circle, number_circle(glyphs));
}

std::string prepare_picture(const RgbImage& photo, WorkingPicture& out, int scale) {
    int w = 0, h = 0;
    fit_size(photo.w, photo.h, Grid::w / scale, Grid::h / scale, w, h);
    const LabImage lab = to_lab(resample(photo, w, h));
    if (is_flat(lab)) return "the picture is one flat colour: there is nothing to paint";
    out.lab = smooth_edges(lab);
    out.place.scale = scale;
    out.place.slack = kSlack;
    out.place.offset = {(Grid::w - scale * w) / 2.0, (Grid::h - scale * h) / 2.0};
    return "";
}

ImportedVariant import_variant(const WorkingPicture& work, const VariantRequest& request, const DigitGlyphs& glyphs,
                               const std::function<void(double)>& progress) {
    const auto report = [&](double done) {
        if (progress) progress(done);
    };
    ImportedVariant out;
    const int k = request.colours > 0 ? request.colours : (request.detailed ? 9 : 7);
    const Clusters clusters = kmeans_lab(work.lab, k);
    report(0.2);

    const double px_per_unit = work.px_per_unit();
    RegionLimits lim;
    lim.min_radius = static_cast<float>(min_circle_of(request.detailed, glyphs) / 2 * px_per_unit + kSlack);
    lim.open = static_cast<float>(0.16 * px_per_unit);
    lim.erode = static_cast<float>(frame::outline_width / 2 * px_per_unit);
    InkOptions ink_opt;
    ink_opt.reach = static_cast<float>(0.35 * px_per_unit);
    ink_opt.min_length = static_cast<float>(1.6 * px_per_unit);
    ink_opt.clear = static_cast<float>(0.4 * px_per_unit);
    ink_opt.erode = lim.erode;
    ink_opt.number = static_cast<float>(number_circle(glyphs) / 2 * px_per_unit + kSlack);
    RegionImage img;
    std::vector<uint8_t> lines;
    float smallest = 0;
    out.error = cut_regions(work.lab, clusters, lim, ink_opt, img, lines, smallest);
    if (!out.error.empty()) return out;
    out.smallest_circle = 2 * smallest / px_per_unit;
    report(0.6);
    const Palette palette = number_by_tube(img, clusters);

    PageInfo& info = out.info;
    info.number = request.number;
    info.name = request.name;
    info.detailed = request.detailed;
    info.tubes = static_cast<int>(palette.rgb.size());
    std::copy(palette.rgb.begin(), palette.rgb.end(), info.palette);
    for (int c : img.colour) ++info.variant.regions[c - 1];
    info.variant.total = img.count();

    // The numbers keep clear of the ink.
    const std::vector<uint8_t> ink = ink_over_regions(lines, img, ink_opt);
    const std::vector<RegionStats> room = number_places(img, ink);
    report(0.7);

    BuiltPicture& pic = out.pic;
    pic.number = request.number;
    pic.detailed = request.detailed;
    pic.palette = palette.rgb;
    pic.smallest_circle = out.smallest_circle;
    if (!assemble_picture(pic, img, &room, ink_triangles(ink, img.w, img.h, work.place), glyphs, work.place)) {
        out.error = pic.error;
        return out;
    }
    pic.entries.emplace_back("page_info", write_page_info(info));
    report(1.0);
    return out;
}
