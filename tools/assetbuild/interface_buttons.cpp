#include "button_art.h"
#include "interface_parts.h"
#include "layout.h"
#include "materials.h"
#include "sheet.h"

namespace {

struct ButtonArt {
    const char* name;
    ButtonIcon icon;
    double offset_x;  // where the artwork stands from the button's own position
};

}  // namespace

// Round buttons with hard edges, drawn with the opaque scene: their copies on
// the help screen then stay bright in front of the dimming backdrop.
void add_interface_buttons(ArchiveBuilder& pak) {
    const ButtonArt buttons[] = {
        {"knopka_close", ButtonIcon::close, 0.0},
        {"knopka_help", ButtonIcon::help, 0.0},
        {"knopka_menu", ButtonIcon::menu, 0.0},
        {"knopka_left", ButtonIcon::left, -layout::page_arrow_offset},
        {"knopka_right", ButtonIcon::right, layout::page_arrow_offset},
        {"knopka_color", ButtonIcon::color, 0.0},
        {"knopka_reset", ButtonIcon::reset, 0.0},
        {"knopka_back", ButtonIcon::back, 0.0},
        {"knopka_clear", ButtonIcon::clear, 0.0},
        {"knopka_gallery", ButtonIcon::gallery, 0.0},
        {"knopka_camera", ButtonIcon::camera, 0.0},
        {"knopka_profiles", ButtonIcon::children, 0.0},
    };
    const double r = layout::button_radius;
    for (const ButtonArt& b : buttons) {
        const double half = r * 1.04;
        Sheet sheet(b.offset_x - half, b.offset_x + half, -half, half, 256.0 / (2 * half));
        paint_button(sheet.image(), b.icon, sheet.at(b.offset_x, 0), sheet.len(r));
        const std::string& tex = pak.add_texture(std::string(b.name) + ".png", sheet.image());
        Mesh quad = sheet.quad(tex, 0.0);
        quad.material = cutout_material();
        pak.add_object(b.name, {quad});
    }
}
