// The generated artwork where the game puts it: drawn in the game's window
// by the game's own frame, and measured through the models the game loads.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "res/platform.h"
#include "scene/model.h"
#include "window/window_scene.h"

namespace {

constexpr double kTan = 0.41421356237309503;  // half the vertical field of view

struct V3 {
    double x, y, z;
};

std::vector<V3> vertices_of(const Object& o) {
    std::vector<V3> out;
    for (const Model* m : o.models)
        for (int i = 0; i < 3 * m->triangle_count; ++i) {
            float f[3];
            std::memcpy(f, m->vertices + 12 * i, 12);
            out.push_back({f[0], f[1], f[2]});
        }
    return out;
}

struct Bounds {
    double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9, z0 = 1e9, z1 = -1e9;
};

Bounds bounds_of(const std::vector<V3>& vs) {
    Bounds b;
    for (const V3& v : vs) {
        b.x0 = std::min(b.x0, v.x);
        b.x1 = std::max(b.x1, v.x);
        b.y0 = std::min(b.y0, v.y);
        b.y1 = std::max(b.y1, v.y);
        b.z0 = std::min(b.z0, v.z);
        b.z1 = std::max(b.z1, v.z);
    }
    return b;
}

// A vertex turned by the angles an object is given (z first, then y, then x).
V3 turn(V3 v, double ax, double ay, double az) {
    const double d = 3.14159265358979323846 / 180.0;
    double c = std::cos(az * d), s = std::sin(az * d);
    v = {c * v.x - s * v.y, s * v.x + c * v.y, v.z};
    c = std::cos(ay * d), s = std::sin(ay * d);
    v = {c * v.x + s * v.z, v.y, -s * v.x + c * v.z};
    c = std::cos(ax * d), s = std::sin(ax * d);
    return {v.x, c * v.y - s * v.z, s * v.y + c * v.z};
}

class GeneratedArtwork : public WindowScene {
protected:
    void SetUp() override {
        WindowScene::SetUp();
        media.setpwd(get_boundle_path() + "/../data/");
    }

    Object* load(Object* parent, const char* pak, const char* name, double x = 0, double y = 0, double z = 0) {
        Object* o = new Object();
        o->add(pak, name);
        o->chposition(x, y, z);
        parent->addlink(o);
        return o;
    }
    Object* menu_frame() {
        Object* o = load(map, "interface.pak", "list_nums_nodigits");
        o->chrot(-90, 0, 0);
        return o;
    }
    double brightness(int x, int y) {
        const Color c = pixel(x, y);
        return (c.r + c.g + c.b) / 3;
    }
};

TEST_F(GeneratedArtwork, BackgroundFillsTheScreenAtAnyWidth) {
    Object* fon = load(map, "interface.pak", "fon");
    fon->chrot(-90, 0, 0);
    ASSERT_FALSE(fon->models.empty());
    const Bounds b = bounds_of(vertices_of(*fon));
    const double half_h = 100 * kTan;
    EXPECT_LE(b.z0, -half_h * 1.05);
    EXPECT_GE(b.z1, half_h * 1.05);
    EXPECT_LE(b.x0, -half_h * 21.0 / 9.0);
    EXPECT_GE(b.x1, half_h * 21.0 / 9.0);
    frames(2);
    for (int x : {0, cx(), scena->width - 1})
        for (int y : {0, cy(), scena->height - 1}) EXPECT_GT(brightness(x, y), 0.5) << x << "," << y;
}

// The backdrop dims the whole screen evenly, including where its two layers
// meet under the top row, and the real top-row buttons with it, while the
// help screen's copies of those buttons stay as bright as they were.
TEST_F(GeneratedArtwork, MenuBackdropDimsEvenlyButNotTheHelpCopies) {
    const double top = -0.92 - scena->get_y_coord(-39.0);
    Object* fon = load(map, "interface.pak", "fon");
    fon->chrot(-90, 0, 0);
    load(map, "interface.pak", "knopka_back", 4.3, top, 61.0)->chrot(-90, 0, 0);
    Object* menus = menu_frame();
    load(menus, "interface.pak", "knopka_clear", 7.3, -61.005, top);
    frames(2);
    const double k = scena->height / 2 / (39 * kTan);  // pixels per unit at the buttons' depth
    const int row_y = static_cast<int>(0.92 * k);
    const int real_x = cx() + static_cast<int>(4.3 * k), copy_x = cx() + static_cast<int>(7.3 * k);
    std::vector<double> before;
    for (int y = 0; y < scena->height; y += 4) before.push_back(brightness(cx() / 3, y));
    const double real_before = brightness(real_x, row_y), copy_before = brightness(copy_x, row_y);

    load(menus, "langall.pak", "menu_alpha");
    frames(2);
    std::vector<double> ratios;
    for (size_t i = 0; i < before.size(); ++i) ratios.push_back(brightness(cx() / 3, static_cast<int>(4 * i)) / before[i]);
    std::vector<double> sorted = ratios;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    EXPECT_LT(median, 0.65);
    for (size_t i = 0; i < ratios.size(); ++i) EXPECT_NEAR(ratios[i], median, 0.03) << "row " << 4 * i;
    EXPECT_LT(brightness(real_x, row_y), real_before * 0.7);
    EXPECT_NEAR(brightness(copy_x, row_y), copy_before, 0.02);
}

// The colour dialog picks the colour shown under the pointer: its fields show
// their colours exactly, and a tinted swatch shows its tint.
TEST_F(GeneratedArtwork, ColourDialogShowsExactColours) {
    Object* panel = load(menu_frame(), "interface.pak", "palitra_colors", 0, -81.5, 0);
    Object* swatch = load(panel, "interface.pak", "color_hover");
    swatch->setcolor(0.2, 0.5, 0.9, 1.0);
    frames(2);
    const double k = scena->height / 2 / (18.5 * kTan);  // pixels per unit on the panel
    auto at = [&](double x, double z, const Color& want) {
        const Color c = pixel(cx() + static_cast<int>(x * k), cy() - static_cast<int>(z * k));
        EXPECT_NEAR(c.r, want.r, 2.5 / 255) << x << "," << z;
        EXPECT_NEAR(c.g, want.g, 2.5 / 255) << x << "," << z;
        EXPECT_NEAR(c.b, want.b, 2.5 / 255) << x << "," << z;
    };
    const Bounds fields = bounds_of(vertices_of(*panel));
    const double cell = (fields.x1 - fields.x0) / 9;
    // The top left field is red (E53935), the bottom row's sixth black.
    at(fields.x0 + cell * 0.5, fields.z1 - (fields.z1 - fields.z0) * 0.25, Color(0xE5 / 255.0, 0x39 / 255.0, 0x35 / 255.0));
    at(fields.x0 + cell * 5.5, fields.z0 + (fields.z1 - fields.z0) * 0.25, Color(0, 0, 0));
    const Bounds s = bounds_of(vertices_of(*swatch));
    at((s.x0 + s.x1) / 2, (s.z0 + s.z1) / 2, Color(0.2, 0.5, 0.9));
}

// Panels stand inside the narrowest screen (4:3) at their depth, and every
// widget the game stands on a panel lies on it.
TEST_F(GeneratedArtwork, PanelsFitTheScreenAndHoldTheirWidgets) {
    struct Widget {
        const char* pak;
        const char* name;
        double x, z;
    };
    struct PanelCase {
        const char* frame;
        double depth;
        std::vector<Widget> widgets;
    };
    const char* lang = "langde.pak";
    const std::vector<PanelCase> cases = {
        {"menu_dialog",
         18.5,
         {{"langall.pak", "unchecked", -5.3, 1.06},     {"langall.pak", "unchecked", -5.3, 2.9},
          {"langall.pak", "button_close", 5.6, 3.75},    {lang, "setup_button_about", 0.0, -1.1},
          {lang, "setup_button_clearall", 3.3, -1.1},    {lang, "setup_button_web", -3.3, -1.1},
          {"langall.pak", "setup_lang_en", -2.56, -2.75}, {"langall.pak", "setup_lang_fr", 2.56, -2.75},
          {lang, "setup_button_print", 0.0, -3.87},      {"langall.pak", "setup_switch0", 3.1, 2.62},
          {"langall.pak", "setup_speed2", 5.3, 0.9}}},
        {"gallery_dialog",
         18.5,
         {{"langall.pak", "gallery_frame", -6.4, 3.5},   {"langall.pak", "gallery_frame", 6.4, -5.05},
          {"langall.pak", "gallery_thumb", 6.4, 3.5},    {"langall.pak", "gallery_add", -6.4, -5.05},
          {"langall.pak", "button_close", 7.8, 5.72},    {lang, "gallery", 0, 0}}},
        {"dialog_background",
         18.5,
         {{lang, "button_ok", -1.323, -1.633},     {lang, "button_cancel", 1.696, -1.633},
          {lang, "button_close", 0.255, -2.305},   {lang, "button_facebook", -2.0, -0.25},
          {lang, "button_twitter", 2.45, -0.25}}},
        {"help_dialog",
         18.5,
         {{lang, "help_mode1", -3.494, -0.44}, {lang, "help_mode3", 3.767, -0.44}, {lang, "button_ok", 0.136, -3.212},
          {"langall.pak", "unchecked", -3.428, -4.17}}},
        {"colors_dialog", 18.5, {{"langall.pak", "button_close", 4.296, 2.994}, {"interface.pak", "palitra_gradient", 0, 0},
                                 {"interface.pak", "palitra_colors", 0, 0}, {"interface.pak", "color_const", 0, 0}}},
    };
    Object* menus = menu_frame();
    for (const PanelCase& pc : cases) {
        SCOPED_TRACE(pc.frame);
        const Bounds p = bounds_of(vertices_of(*load(menus, "langall.pak", pc.frame)));
        const double half_h = pc.depth * kTan;
        EXPECT_GT(p.x0, -half_h * 4 / 3);
        EXPECT_LT(p.x1, half_h * 4 / 3);
        EXPECT_GT(p.z0, -half_h);
        EXPECT_LT(p.z1, half_h);
        for (const Widget& w : pc.widgets) {
            SCOPED_TRACE(w.name);
            const Bounds b = bounds_of(vertices_of(*load(menus, w.pak, w.name)));
            EXPECT_GE(w.x + b.x0, p.x0);
            EXPECT_LE(w.x + b.x1, p.x1);
            EXPECT_GE(w.z + b.z0, p.z0);
            EXPECT_LE(w.z + b.z1, p.z1);
        }
    }
    // The help picture's notes stay on a 4:3 screen too.
    const Bounds help = bounds_of(vertices_of(*load(menus, "langru.pak", "help_bg")));
    EXPECT_GT(help.x0, -18.5 * kTan * 4 / 3);
    EXPECT_LT(help.x1, 18.5 * kTan * 4 / 3);
    EXPECT_LT(help.z1, 18.5 * kTan);
}

// The handle's origin is the pointer's hot spot: the bristles' tip is there,
// and nothing of the brush reaches beyond it.
TEST_F(GeneratedArtwork, BrushTipIsTheHandlesOrigin) {
    Object* handle = load(cursor, "interface.pak", "kist_ruchka");
    Object* bristles = load(handle, "interface.pak", "kist_vors_color");
    const std::vector<V3> hair = vertices_of(*bristles);
    ASSERT_FALSE(hair.empty());
    double nearest = 1e9;
    for (const V3& v : hair) nearest = std::min(nearest, std::hypot(v.x, v.y, v.z));
    EXPECT_LT(nearest, 1e-6);
    std::vector<V3> all = vertices_of(*handle);
    all.insert(all.end(), hair.begin(), hair.end());
    V3 axis{0, 0, 0};
    for (const V3& v : all) axis = {axis.x + v.x, axis.y + v.y, axis.z + v.z};
    const double len = std::hypot(axis.x, axis.y, axis.z);
    for (const V3& v : all) EXPECT_GE((v.x * axis.x + v.y * axis.y + v.z * axis.z) / len, -1e-5);
    // Turned as the game turns it, the handle rises up the screen from the tip.
    const V3 up = turn({axis.x / len, axis.y / len, axis.z / len}, -125, 0, 180);
    EXPECT_GT(up.y, 0.5);
}

// In paint by numbers the tube's number faces the viewer and stands in front
// of the ribbon it is printed on.
TEST_F(GeneratedArtwork, TubeNumbersFaceTheViewer) {
    Object* label = load(map, "interface.pak", "tubik5");
    Object* ribbon = load(map, "interface.pak", "lenta");
    ASSERT_EQ(label->models.size(), 1u);
    float n[3];
    std::memcpy(n, label->models[0]->normals, 12);
    const V3 eye = turn(turn({n[0], n[1], n[2]}, -26.553, 70.428, 52.833), -90, 0, 0);
    EXPECT_GT(eye.z / std::hypot(eye.x, eye.y, eye.z), 0.85);
    // The label's middle is nearer the viewer than the ribbon behind it.
    auto to_eye = [](const V3& v) { return turn(turn(v, -26.553, 70.428, 52.833), -90, 0, 0); };
    V3 middle{0, 0, 0};
    const std::vector<V3> quad = vertices_of(*label);
    for (const V3& v : quad) {
        const V3 e = to_eye(v);
        middle = {middle.x + e.x / quad.size(), middle.y + e.y / quad.size(), middle.z + e.z / quad.size()};
    }
    // Every ribbon triangle under the label's middle (as the eye sees it) lies behind it.
    const std::vector<V3> band = vertices_of(*ribbon);
    int behind = 0;
    for (size_t i = 0; i + 2 < band.size(); i += 3) {
        const V3 a = to_eye(band[i]), b = to_eye(band[i + 1]), c = to_eye(band[i + 2]);
        const double det = (b.y - c.y) * (a.x - c.x) + (c.x - b.x) * (a.y - c.y);
        if (std::fabs(det) < 1e-12) continue;
        const double u = ((b.y - c.y) * (middle.x - c.x) + (c.x - b.x) * (middle.y - c.y)) / det;
        const double v = ((c.y - a.y) * (middle.x - c.x) + (a.x - c.x) * (middle.y - c.y)) / det;
        if (u < 0 || v < 0 || u + v > 1) continue;
        EXPECT_LT(u * a.z + v * b.z + (1 - u - v) * c.z, middle.z);
        ++behind;
    }
    EXPECT_GT(behind, 0) << "the label is not over the ribbon";
}

}  // namespace
