#include "common/mesh_builders.h"
#include "interface_parts.h"
#include "layout.h"
#include "materials.h"

// The flash that confirms a saved picture: plain white over the whole
// screen, standing in a menu's frame; the game fades it out.
void add_camera_flash(ArchiveBuilder& pak) {
    const std::string& tex = pak.add_texture("camera_flash.png", Image(4, 4, Rgba{1, 1, 1, 1}));
    Mesh quad = flat_quad(tex, -layout::camera_flash_half_w, layout::camera_flash_half_w, -layout::camera_flash_half_h,
                          layout::camera_flash_half_h, 0.0);
    quad.material = blended_material();
    pak.add_object("camera_flash", {quad});
}
