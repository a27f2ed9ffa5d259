#include "page_assembly.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "borders.h"
#include "common/png_writer.h"
#include "digit_glyphs.h"
#include "game/page_table.h"
#include "outline.h"
#include "picture_frame.h"
#include "res/archive.h"
#include "scene/model_writer.h"
#include "triangulate.h"

namespace {

// Texture entries. The regions' near-white cancels the light's slight
// over-brightness (ambient 0.2 + 0.22 and diffuse 0.6 add up to 1.02), so
// a painted region shows its palette colour.
const char* const kRegionTexture = "tex_region";
const char* const kSheetTexture = "tex_sheet";
const char* const kInkTexture = "tex_ink";
const char* const kDigitTexture = "tex_digit";

std::vector<unsigned char> plain_png(int grey) {
    std::vector<unsigned char> px(8 * 8 * 3, static_cast<unsigned char>(grey));
    return encode_png(px.data(), 8, 8, 3);
}

Mesh make_mesh(const char* texture) {
    Mesh m;
    m.texture = texture;
    for (int k = 0; k < 4; ++k) m.material.specular[k] = 0;
    m.material.specular[3] = 1;
    return m;
}

Mesh region_mesh(const std::vector<Pt>& tris) {
    Mesh m = make_mesh(kRegionTexture);
    for (const Pt& p : tris) {
        MeshVertex v;
        v.x = static_cast<float>(p.x);
        v.y = static_cast<float>(p.y);
        v.z = 0;
        v.s = static_cast<float>(p.x / 8);
        v.t = static_cast<float>(-p.y / 8);
        m.vertices.push_back(v);
    }
    return m;
}

Mesh root_mesh(const std::vector<Pt>& tris, double z, const char* texture) {
    Mesh m = make_mesh(texture);
    for (const Pt& p : tris) m.vertices.push_back(frame::root_vertex(p.x, p.y, z));
    return m;
}

double triangles_area(const std::vector<Pt>& t) {
    double a = 0;
    for (size_t k = 0; k + 2 < t.size(); k += 3)
        a += ((t[k + 1].x - t[k].x) * (t[k + 2].y - t[k].y) - (t[k + 1].y - t[k].y) * (t[k + 2].x - t[k].x)) / 2;
    return a;
}

// The digit `d` `height` units tall centred on `c`, as rings.
std::vector<Ring> placed_digit(const DigitGlyphs& g, int d, Pt c, double height) {
    std::vector<Ring> rings = g.outline(d);
    for (Ring& r : rings)
        for (Pt& p : r) p = c + p * height;
    return rings;
}

}  // namespace

std::string BuiltPicture::archive_name() const { return page_archive(number, detailed); }

std::string BuiltPicture::variant_name() const {
    return "picture " + std::to_string(number) + (detailed ? ", detailed" : ", simple");
}

uint32_t BuiltPicture::colour_rgb(int colour) const {
    return colour >= 1 && colour <= static_cast<int>(palette.size()) ? palette[colour - 1] : 0xFFFFFF;
}

bool assemble_picture(BuiltPicture& pic, const RegionImage& img, const std::vector<RegionStats>* room_in,
                      const std::vector<Pt>& ink, const DigitGlyphs& glyphs, const RasterPlacement& place) {
    const auto container_of = [&place](Pt p) { return frame::container_of_pixel(place.to_grid(p)); };
    const std::vector<RegionStats> st = region_stats(img);
    const std::vector<RegionStats>& room = room_in ? *room_in : st;
    const Borders borders = trace_borders(img, 0.6);
    const double unit_area = place.scale * frame::px_to_units(1) * place.scale * frame::px_to_units(1);

    // Regions, numbered per colour in the image's order.
    int next[11] = {};
    for (int r = 0; r < img.count(); ++r) {
        BuiltPicture::Region reg;
        reg.colour = img.colour[r];
        reg.name = "color" + std::to_string(reg.colour) + "el" + std::to_string(++next[reg.colour]);
        std::vector<Ring> rings = borders.rings[r];
        for (Ring& ring : rings)
            for (Pt& p : ring) p = container_of(p);
        reg.triangles = triangulate(rings, FillRule::odd);
        const double raster_area = st[r].area * unit_area;
        const double mesh_area = triangles_area(reg.triangles);
        // Smoothing shaves a little off a ragged border, more on a coarse raster.
        if (std::fabs(mesh_area - raster_area) > 0.03 * raster_area + 0.05 * place.scale) {
            char msg[160];
            std::snprintf(msg, sizeof msg, "colour %d: region %s traced badly (%.2f units against %.2f)", reg.colour,
                          reg.name.c_str(), mesh_area, raster_area);
            pic.error = msg;
            return false;
        }
        if (reg.colour != 10) {
            const int i = room[r].pole % img.w, j = room[r].pole / img.w;
            reg.label_centre = container_of({i + 0.5, img.h - j - 0.5});
            // As large as the region allows: the digit's box with its halo
            // must clear the outline and the ink inside the inscribed circle.
            const double space = frame::px_to_units((room[r].radius - place.slack) * place.scale) -
                                 frame::outline_width / 2 - frame::digit_halo;
            const double aspect = glyphs.width(reg.colour);
            const double height = 2 * space / std::sqrt(1 + aspect * aspect);
            reg.label_height = std::clamp(height, frame::min_digit, frame::max_digit);
            const std::vector<Ring> digit = placed_digit(glyphs, reg.colour, reg.label_centre, reg.label_height);
            const std::vector<Pt> halo = grown_triangles(digit, frame::digit_halo);
            const std::vector<Pt> body = triangulate(digit, FillRule::nonzero);
            pic.halos.insert(pic.halos.end(), halo.begin(), halo.end());
            pic.digits.insert(pic.digits.end(), body.begin(), body.end());
        }
        pic.regions.push_back(std::move(reg));
    }
    pic.outline = outline_triangles(borders, frame::outline_width, container_of);
    pic.outline.insert(pic.outline.end(), ink.begin(), ink.end());

    // The archive.
    auto add = [&](const std::string& name, std::vector<unsigned char> bytes) {
        pic.entries.emplace_back(name, std::move(bytes));
    };
    const std::vector<Pt> sheet{{frame::box_x0, frame::box_y0}, {frame::box_x1, frame::box_y0},
                                {frame::box_x1, frame::box_y1}, {frame::box_x0, frame::box_y0},
                                {frame::box_x1, frame::box_y1}, {frame::box_x0, frame::box_y1}};
    add("block", write_object_file({root_mesh(sheet, frame::sheet_z, kSheetTexture)}));
    add("list_nums", write_object_file({root_mesh(pic.halos, frame::halo_z, kSheetTexture),
                                        root_mesh(pic.digits, frame::digit_z, kDigitTexture)}));
    add("list_kontur", write_object_file({root_mesh(pic.outline, frame::outline_z, kInkTexture)}));
    std::vector<const BuiltPicture::Region*> by_name;
    for (const auto& reg : pic.regions) by_name.push_back(&reg);
    std::sort(by_name.begin(), by_name.end(), [](auto* a, auto* b) { return a->name < b->name; });
    for (const auto* reg : by_name) add(reg->name, write_object_file({region_mesh(reg->triangles)}));
    add(kRegionTexture, plain_png(250));
    add(kSheetTexture, plain_png(255));
    add(kInkTexture, plain_png(58));
    add(kDigitTexture, plain_png(80));
    return true;
}

std::vector<unsigned char> archive_bytes(const BuiltPicture& pic) {
    Archive pack;
    for (const auto& e : pic.entries) {
        raw r;
        r.data = const_cast<unsigned char*>(e.second.data());
        r.size = static_cast<uint32_t>(e.second.size());
        if (!pack.pushfile(e.first.c_str(), r)) return {};
    }
    return pack.bytes();
}

bool save_archive(const BuiltPicture& pic, const std::string& path) {
    const std::vector<unsigned char> bytes = archive_bytes(pic);
    if (bytes.empty()) return false;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && written;
}
