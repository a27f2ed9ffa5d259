#include "page_import.h"

#include <algorithm>
#include <cmath>

#include "digit_glyphs.h"
#include "ink_lines.h"
#include "kmeans.h"
#include "line_art.h"
#include "number_places.h"
#include "palette.h"
#include "photo_regions.h"
#include "picture_detail.h"
#include "picture_frame.h"
#include "region_colouring.h"
#include "resample.h"
#include "smoothing.h"
#include "variant_limits.h"

namespace {

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

// One palette for every variant, made from the clusters they use; the
// regions then carry tube numbers and are ordered by tube, then top to
// bottom.
Palette number_by_tube(std::vector<VariantCut>& cuts, const Clusters& clusters) {
    std::vector<int> per_cluster(clusters.centres.size(), 0);
    std::vector<size_t> area(clusters.centres.size(), 0);
    for (const VariantCut& cut : cuts) {
        for (int c : cut.img.colour) ++per_cluster[c - 1];
        for (int l : cut.img.label) ++area[cut.img.colour[l] - 1];
    }
    const Palette palette = make_palette(clusters.centres, per_cluster, area);
    for (VariantCut& cut : cuts) {
        for (int& c : cut.img.colour) c = palette.tube_of_cluster[c - 1];
        sort_regions(cut.img);
    }
    return palette;
}

// Tubes for a page without colours of its own: as many as asked for, but
// no more than the variant with the fewest regions can use (and five at
// least), each variant's regions coloured so that no neighbours match.
std::vector<uint32_t> colour_page(std::vector<VariantCut>& cuts, int colours) {
    int fewest = colours;
    for (const VariantCut& cut : cuts) fewest = std::min(fewest, cut.img.count());
    int soft = 0;
    const std::vector<uint32_t> palette = cheerful_palette(std::clamp(fewest, 5, colours), soft);
    for (VariantCut& cut : cuts) {
        cut.img.colour = colour_regions(cut.img, static_cast<int>(palette.size()), soft);
        sort_regions(cut.img);
    }
    return palette;
}

// A page's own ink, drawn as it is, but not in a region it would leave
// without room for its number.
std::vector<uint8_t> drawn_ink(std::vector<uint8_t> ink, const RegionImage& img, float number) {
    const std::vector<RegionStats> room = number_places(img, ink);
    for (size_t p = 0; p < ink.size(); ++p)
        if (room[img.label[p]].radius < number) ink[p] = 0;
    return ink;
}

// The cut variant with its tubes as a page: the record, the ink clear of
// the numbers, the meshes and the archive's entries. "" or what went wrong.
std::string assemble_variant(const WorkingPicture& work, const VariantCut& cut, const VariantLimits& limits,
                             const std::vector<uint32_t>& palette, const PictureRequest& request,
                             const DigitGlyphs& glyphs, ImportedVariant& out) {
    out.smallest_circle = 2 * cut.smallest / work.px_per_unit();
    PageInfo& info = out.info;
    info.number = request.number;
    info.name = request.name;
    info.detailed = cut.detailed;
    info.tubes = static_cast<int>(palette.size());
    std::copy(palette.begin(), palette.end(), info.palette);
    for (int c : cut.img.colour) ++info.variant.regions[c - 1];
    info.variant.total = cut.img.count();

    // The numbers keep clear of the ink.
    const std::vector<uint8_t> ink = cut.ink_as_drawn ? drawn_ink(cut.lines, cut.img, limits.ink.number)
                                                      : ink_over_regions(cut.lines, cut.img, limits.ink);
    const std::vector<RegionStats> room = number_places(cut.img, ink);

    BuiltPicture& pic = out.pic;
    pic.number = request.number;
    pic.detailed = cut.detailed;
    pic.palette = palette;
    pic.smallest_circle = out.smallest_circle;
    if (!assemble_picture(pic, cut.img, &room, ink_triangles(ink, cut.img.w, cut.img.h, work.place), glyphs,
                          work.place))
        return pic.error;
    pic.entries.emplace_back("page_info", write_page_info(info));
    return "";
}

}  // namespace

void renumber(ImportedVariant& variant, int number) {
    variant.info.number = number;
    variant.pic.number = number;
    for (auto& [name, bytes] : variant.pic.entries)
        if (name == "page_info") bytes = write_page_info(variant.info);
}

double WorkingPicture::px_per_unit() const { return Grid::px_per_unit / frame::unit / place.scale; }

std::string prepare_picture(const RgbImage& photo, WorkingPicture& out, int scale) {
    int w = 0, h = 0;
    fit_size(photo.w, photo.h, Grid::w / scale, Grid::h / scale, w, h);
    const LabImage lab = to_lab(resample(photo, w, h));
    if (is_flat(lab)) return "the picture is one flat colour: there is nothing to paint";
    out.lab = smooth_edges(lab);
    out.place.scale = scale;
    out.place.slack = border_slack;
    out.place.offset = {(Grid::w - scale * w) / 2.0, (Grid::h - scale * h) / 2.0};
    out.line_art = is_line_art(out.lab, out.px_per_unit());
    return "";
}

ImportedPicture import_picture(const WorkingPicture& work, const PictureRequest& request, const DigitGlyphs& glyphs,
                               const std::function<void(double)>& progress) {
    const auto report = [&](double done) {
        if (progress) progress(done);
    };
    ImportedPicture out;
    std::vector<VariantLimits> limits;
    for (bool detailed : {false, true})
        if (detailed ? request.detailed : request.simple)
            limits.push_back(variant_limits(detailed, work.px_per_unit(), glyphs));
    const int k = request.colours > 0 ? request.colours : default_colours;
    std::vector<VariantCut> cuts;
    std::vector<uint32_t> palette;
    if (work.line_art) {
        const std::vector<uint8_t> ink = page_ink(work.lab, work.px_per_unit());
        report(0.1);
        cuts.resize(limits.size());
        for (size_t v = 0; v < limits.size(); ++v) {
            out.error = cut_line_art_variant(ink, work.lab.w, work.lab.h, limits[v], work.px_per_unit(), cuts[v]);
            if (!out.error.empty()) return out;
        }
        palette = colour_page(cuts, k);
    } else {
        // Colours go where the detail is, not to a flat sky's shades.
        const std::vector<float> weight =
            detail_weights(colour_gradient(work.lab), work.lab.w, work.lab.h, work.px_per_unit());
        Clusters clusters = kmeans_lab(work.lab, k, 0x5eed, &weight);
        report(0.1);
        out.error = cut_photo_variants(work.lab, clusters, limits, cuts);
        if (!out.error.empty()) return out;
        palette = number_by_tube(cuts, clusters).rgb;
    }
    report(0.6);

    for (size_t v = 0; v < cuts.size(); ++v) {
        out.variants.emplace_back();
        out.error = assemble_variant(work, cuts[v], limits[v], palette, request, glyphs, out.variants.back());
        if (!out.error.empty()) {
            out.variants.clear();
            return out;
        }
        report(0.6 + 0.4 * (v + 1) / cuts.size());
    }
    return out;
}
