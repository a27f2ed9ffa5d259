#include <cmath>
#include <string>

#include "common/font_raster.h"
#include "common/mesh_builders.h"
#include "common/rng.h"
#include "common/shapes.h"
#include "interface_parts.h"
#include "layout.h"
#include "materials.h"

// The paint tube lies along its own z axis, cap at +z, centred on its origin
// (it grows and squishes about that point). Its holder turns it by
// (-90, 0, 0) and the tube itself by the game's fixed angles, which lay it
// across the screen with the cap pointing at the picture.

namespace {

constexpr double kBodyRadius = 0.55;
constexpr double kRibbonRadius = 0.567;
constexpr double kRibbonFrom = -1.15, kRibbonTo = 0.65;
// Everything moves this far along the tube, so the cap stops short of the
// picture's edge.
constexpr double kShift = -0.15;

Image metal_texture() {
    Image img(64, 256, rgb(0xE9EDF0));
    Rng rng(0x7B3E);
    for (int i = 0; i < 90; ++i) {
        const float y = static_cast<float>(rng.range(0, 256));
        const float shade = static_cast<float>(rng.range(-0.06, 0.05));
        fill(img, segment({0, y}, {64, y}, 0.5f), shade < 0 ? Rgba{0.55f, 0.6f, 0.65f, -shade * 2} : Rgba{1, 1, 1, shade * 3});
    }
    return img;
}

Image cap_texture() {
    Image img(128, 32, rgb(0x37474F));
    for (int i = 0; i < 32; ++i) {
        const float x = static_cast<float>(i) * 4.0f;
        fill(img, rounded_rect(x + 0.5f, 0, x + 2.0f, 32, 0), rgb(0x263238));
    }
    return img;
}

Image ribbon_texture() {
    // White, so the tint shows its own colour, with thin printed lines near
    // both edges.
    Image img(32, 256, Rgba{1, 1, 1, 1});
    for (float y : {10.0f, 246.0f}) fill(img, segment({0, y}, {32, y}, 2.0f), Rgba{0.72f, 0.72f, 0.72f, 1});
    return img;
}

Image label_texture(int digit) {
    Image img(128, 128);
    fill(img, circle(64, 64, 62), rgb(0x455A64));
    fill(img, circle(64, 64, 56), rgb(0xFFFFFF));
    TextStyle style;
    style.colour = rgb(0x212121);
    draw_text_fitted(img, bold_font(), std::to_string(digit), {14, 16, 114, 112}, 96, style, false);
    return img;
}

}  // namespace

void add_tubes(ArchiveBuilder& pak) {
    const std::string& metal = pak.add_texture("tube_metal.png", metal_texture(), 3);
    const std::string& cap_tex = pak.add_texture("tube_cap.png", cap_texture(), 3);

    Mesh body = lathe(metal, {{0, -1.62}, {0.5, -1.6}, {kBodyRadius, -1.5}, {kBodyRadius, 0.8}, {0.53, 0.94},
                              {0.45, 1.05}, {0.32, 1.13}, {0.22, 1.2}, {0.22, 1.3}, {0, 1.3}},
                      40);
    body.material = shiny_material(0.75f, 40.0f);
    // The flat crimped end.
    Mesh crimp = extrusion(metal, {{-0.62, -2.0}, {0.62, -2.0}, {0.6, -1.45}, {-0.6, -1.45}}, -0.07, 0.07);
    crimp.material = shiny_material(0.6f, 30.0f);
    Mesh cap = lathe(cap_tex, {{0, 1.25}, {0.3, 1.25}, {0.32, 1.29}, {0.32, 1.9}, {0.29, 1.96}, {0.2, 1.99}, {0, 2.0}},
                     40);
    cap.material = shiny_material(0.5f, 25.0f);
    for (Mesh* m : {&body, &crimp, &cap}) transform(*m, Mat3{}, {0, 0, kShift});
    pak.add_object("tubik_no_num", {body, crimp, cap});

    const std::string& ribbon_tex = pak.add_texture("lenta.png", ribbon_texture(), 3);
    Mesh ribbon = lathe(ribbon_tex,
                        {{0.55, kRibbonFrom - 0.02}, {kRibbonRadius, kRibbonFrom}, {kRibbonRadius, kRibbonTo},
                         {0.55, kRibbonTo + 0.02}},
                        40);
    ribbon.material = shiny_material(0.35f, 20.0f);
    transform(ribbon, Mat3{}, {0, 0, kShift});
    pak.add_object("lenta", {ribbon});

    // The numbers face the eye as the tubes stand in paint-by-numbers mode:
    // each label is a flat disc just in front of the ribbon's middle, turned
    // back through the tube's rotation.
    const Mat3 to_eye = object_rotation(-90, 0, 0) * object_rotation(-26.553, 70.428, 52.833);
    const Mat3 to_tube = to_eye.transposed();
    const Vec3 view_eye = normalized({9.857, 0.0, 100.0 - 77.0});  // from a tube towards the eye
    const Vec3 up_eye = normalized(Vec3{0, 1, 0} - view_eye * dot(Vec3{0, 1, 0}, view_eye));
    const Vec3 right_eye = cross(up_eye, view_eye);
    const Vec3 view = to_tube * view_eye, up = to_tube * up_eye, right = to_tube * right_eye;
    const Vec3 radial = normalized({view.x, view.y, 0});
    const Vec3 centre = Vec3{0, 0, (kRibbonFrom + kRibbonTo) / 2 + kShift} + radial * kRibbonRadius + view * 0.12;
    const double half = 0.42;
    for (int digit = 1; digit <= 9; ++digit) {
        const std::string name = "tubik" + std::to_string(digit);
        const std::string& tex = pak.add_texture(name + ".png", label_texture(digit));
        Mesh label;
        label.texture = tex;
        label.material = cutout_material();
        auto corner = [&](double sx, double sy, float s, float t) {
            return vertex(centre + right * (sx * half) + up * (sy * half), view, s, t);
        };
        const MeshVertex bl = corner(-1, -1, 0, 1), br = corner(1, -1, 1, 1), tr = corner(1, 1, 1, 0), tl = corner(-1, 1, 0, 0);
        label.triangle(bl, br, tr);
        label.triangle(bl, tr, tl);
        pak.add_object(name, {label});
    }
}
