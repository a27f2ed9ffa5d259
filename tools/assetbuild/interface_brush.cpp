#include <cmath>

#include "common/mesh_builders.h"
#include "common/rng.h"
#include "common/shapes.h"
#include "interface_parts.h"
#include "materials.h"

// The brush cursor. The game turns the handle by (-125, 0, 180) and puts its
// origin under the pointer, so the bristles' tip is the origin itself. Built
// along a local axis from the tip upwards, then laid so that on screen the
// handle rises up and to the right and leans away from the viewer, the way
// a brush in a right hand is seen. The bristles' thickness lies across x and
// y (the game thins a clean brush by scaling those two).

namespace {

// Local +z (tip to handle end) in the handle's own frame.
const Vec3 kBrushAxis = normalized({-0.42, 0.0, 1.0});

Image bristle_texture() {
    // White, with fine streaks of hair that stay light enough for any tint.
    Image img(128, 128, Rgba{1, 1, 1, 1});
    Rng rng(0xB8157);
    for (int i = 0; i < 70; ++i) {
        const float x = static_cast<float>(rng.range(0, 128));
        fill(img, segment({x, 0}, {x, 128}, static_cast<float>(rng.range(0.3, 0.8))), Rgba{0.78f, 0.78f, 0.78f, 0.6f});
    }
    return img;
}

Image handle_texture() {
    // Lacquered yellow wood with a green band near its end, so the handle
    // never looks like the paint the bristles carry.
    Image img(64, 256, rgb(0xFFC62E));
    fill(img, rounded_rect(0, 196, 64, 214, 0), rgb(0x2E9E4F));
    return img;
}

Image ferrule_texture() {
    Image img(64, 64, rgb(0xCFD8DC));
    for (float y : {8.0f, 14.0f, 52.0f}) fill(img, segment({0, y}, {64, y}, 1.5f), rgb(0x90A4AE));
    return img;
}

void place(Mesh& m) { transform(m, rotation_onto(kBrushAxis, {0, 1, 0})); }

}  // namespace

void add_brush(ArchiveBuilder& pak) {
    const double s = 1.0;  // overall size
    auto profile = [s](std::vector<ProfilePoint> pts) {
        for (ProfilePoint& p : pts) {
            p.r *= s;
            p.z *= s;
        }
        return pts;
    };

    const std::string& hair = pak.add_texture("kist_vors.png", bristle_texture(), 3);
    Mesh bristles = lathe(hair,
                          profile({{0, 0}, {0.05, 0.03}, {0.11, 0.12}, {0.17, 0.3}, {0.205, 0.52}, {0.215, 0.75},
                                   {0.2, 0.95}, {0, 0.96}}),
                          28);
    bristles.material = shiny_material(0.15f, 10.0f);
    place(bristles);
    pak.add_object("kist_vors_color", {bristles});

    const std::string& metal = pak.add_texture("kist_zhest.png", ferrule_texture(), 3);
    Mesh ferrule = lathe(metal, profile({{0, 0.9}, {0.2, 0.9}, {0.215, 0.95}, {0.235, 1.5}, {0.2, 1.52}, {0, 1.52}}), 28);
    ferrule.material = shiny_material(0.9f, 60.0f);
    place(ferrule);

    const std::string& wood = pak.add_texture("kist_ruchka.png", handle_texture(), 3);
    Mesh handle = lathe(wood,
                        profile({{0, 1.48}, {0.2, 1.48}, {0.24, 1.6}, {0.27, 2.1}, {0.25, 2.7}, {0.19, 3.3}, {0.15, 3.65},
                                 {0.1, 3.75}, {0, 3.78}}),
                        28);
    handle.material = shiny_material(0.7f, 50.0f);
    place(handle);
    pak.add_object("kist_ruchka", {ferrule, handle});
}
