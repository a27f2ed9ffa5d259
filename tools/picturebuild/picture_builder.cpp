#include "picture_builder.h"

#include "digit_glyphs.h"
#include "picture_frame.h"
#include "picture_table.h"
#include "pictures/pictures.h"
#include "region_cutter.h"
#include "triangulate.h"

BuiltPicture build_picture(int number, bool detailed, const DigitGlyphs& glyphs) {
    BuiltPicture pic;
    pic.number = number;
    pic.detailed = detailed;
    const PictureInfo& info = picture_info(number);
    pic.palette.assign(info.palette, info.palette + info.tubes);
    Scene scene;
    if (!draw_picture(number, detailed, scene)) {
        pic.error = "has no artwork";
        return pic;
    }
    const double px_per_unit = Grid::px_per_unit / frame::unit;
    CutLimits lim;
    lim.min_radius = static_cast<float>((detailed ? frame::detailed_min_circle : frame::simple_min_circle) / 2 *
                                        px_per_unit) + 1.5f;
    lim.erode = static_cast<float>(frame::outline_width / 2 * px_per_unit);
    lim.open = static_cast<float>(0.16 * px_per_unit);
    CutResult cut = cut_regions(scene, detailed ? info.detailed : info.simple, lim);
    pic.notes = cut.notes;
    if (!cut.error.empty()) {
        pic.error = cut.error;
        return pic;
    }
    pic.smallest_circle = 2 * frame::px_to_units(cut.smallest_radius);
    const RegionImage& img = cut.img;
    const std::vector<RegionStats> room = region_stats(carved(img, cut.ink));  // where a number fits
    std::vector<Pt> ink;
    for (std::vector<Ring> line : scene.ink_lines) {
        for (Ring& ring : line)
            for (Pt& p : ring) p = {frame::origin_x + p.x * frame::unit, frame::origin_y + p.y * frame::unit};
        const std::vector<Pt> tris = triangulate(line, FillRule::nonzero);
        ink.insert(ink.end(), tris.begin(), tris.end());
    }
    assemble_picture(pic, img, &room, ink, glyphs);
    return pic;
}
