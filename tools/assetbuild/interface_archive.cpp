#include "archives.h"
#include "interface_parts.h"

bool build_interface_archive(const std::string& folder) {
    ArchiveBuilder pak("interface.pak");
    add_background(pak);
    add_interface_buttons(pak);
    add_tubes(pak);
    add_brush(pak);
    add_bubbles(pak);
    add_palette(pak);
    add_sheet_overlay(pak);
    add_camera_flash(pak);
    add_badges(pak);
    return pak.save(folder);
}
