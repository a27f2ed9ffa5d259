#include "soak/game_invariants.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>

#include "game/effects.h"
#include "game/game_state.h"
#include "res/platform.h"
#include "save/config.h"
#include "save/profiles.h"
#include "ui/parent_gate.h"
#include "ui/profile_picker.h"
#include "save/settings_file.h"
#include "save/settings_writer.h"
#include "scene/object.h"
#include "shell/frame_loop.h"
#include "shell/hits.h"
#include "shell/scene_loader.h"
#include "shell/startup.h"
#include "ui/confirmations.h"
#include "ui/custom_colors.h"
#include "ui/gallery.h"
#include "ui/help_screen.h"
#include "ui/interface_buttons.h"
#include "ui/main_menu.h"
#include "ui/menu.h"

namespace {

// What a container under MENU_GLOBAL holds: the build action its first slot ran.
action_fun built_by(const Object* container) {
    const Event& e = container->event;
    if (e.slot_actions.empty() || e.slot_actions[0].empty()) return nullptr;
    return e.slot_actions[0][0].fun;
}

const char* screen_name(action_fun f) {
    if (f == create_menu_first_f) return "main menu";
    if (f == create_help_screen_f) return "help";
    if (f == create_change_colors_f) return "colours";
    if (f == create_clear_confirmation_f) return "clear";
    if (f == create_exit_confirmation_f) return "quit";
    if (f == create_menu_about_f) return "about";
    if (f == create_menu_clearall_f) return "clear all";
    if (f == create_gallery_f) return "gallery";
    if (f == create_profile_picker_f) return "children";
    if (f == create_parent_gate_f) return "gate";
    return "unknown";
}

size_t live_children(const Object* o) {
    return static_cast<size_t>(std::count_if(o->links.begin(), o->links.end(), [](const Object* c) { return !c->deleted; }));
}

}  // namespace

std::string Game_invariants::check_frame() {
    // Every GL call of the frame was one GL takes.
    if (const GLenum error = glGetError(); error != GL_NO_ERROR) {
        char code[16];
        std::snprintf(code, sizeof code, "0x%04x", error);
        return std::string("the frame raised GL error ") + code;
    }
    if (!map || map->deleted) return "";  // quitting: nothing is played any more
    for (const std::string& problem : {check_dialogs(), check_tubes_and_brush(), check_objects(), check_saves()})
        if (!problem.empty()) return problem;
    return "";
}

std::string Game_invariants::check_dialogs() {
    int first = 0, second = 0;
    for (const Object* c : MENU_GLOBAL->links) {
        const action_fun f = built_by(c);
        screens_seen.insert(screen_name(f));
        if (menu_closing(c)) continue;
        if (f == create_menu_about_f || f == create_menu_clearall_f)
            ++second;
        else
            ++first;
    }
    if (first > 1) return "two first-level dialogs are open";
    if (second > 1) return "two second-level dialogs are open";
    if (hits_layer1 != (first == 1)) return hits_layer1 ? "the first layer is held without a dialog" : "a dialog is open without its layer";
    if (hits_layer2 != (second == 1)) return hits_layer2 ? "the second layer is held without a dialog" : "a second-level dialog is open without its layer";
    if (MENU_GLOBAL->links.empty() && menu_block) return "clicks are held (menu_block) with no panel on screen";
    if (!conf->by_numbers) screens_seen.insert("free colouring");
    if (conf->detailed) screens_seen.insert("detailed");
    if (conf->language != 0) screens_seen.insert("another language");
    return "";
}

std::string Game_invariants::check_tubes_and_brush() {
    if (old_scena != last_picture_) {
        ++picture_changes;
        last_picture_ = old_scena;
    }
    if (nado_meniat_scenu || !old_colors || old_colors->deleted) return "";  // a change is under way
    const size_t want = conf->by_numbers ? static_cast<size_t>(COLORS_NUM) : 18u;
    if (live_children(old_colors) != want)
        return "the tubes are " + std::to_string(live_children(old_colors)) + ", the mode wants " + std::to_string(want);
    if (!brush_clean && !color.eq(conf->get_custom_color(color_selected)))
        return "the brush carries another colour than its tube " + std::to_string(color_selected + 1);
    return "";
}

// A quiet screen (no menu, no change under way, no bubbles, no button coming
// or going, nothing waiting to be freed) of the same picture, variant, mode
// and buttons must always hold the same number of objects.
std::string Game_invariants::check_objects() {
    most_objects = std::max(most_objects, Object::alive());
    if (!MENU_GLOBAL->links.empty() || nado_meniat_scenu || effect_quality != 0 || !old_scena || !old_colors) return "";
    if (old_scena->links.size() != 3 || map->links.at(2)->links.size() != 1 || map->links.at(3)->links.size() != 1)
        return "";
    for (const Object* holder : old_colors->links) {
        if (holder->links.size() != 1 || holder->links[0]->links.size() != 1) return "";
    }
    const int shown = show_colors_button + 2 * show_reset_button + 4 * show_back_button + 8 * show_clean_button +
                      16 * show_camera_button;
    // The six that always stand, and those that come and go.
    const size_t buttons = 6u + static_cast<size_t>(show_colors_button + show_reset_button + show_back_button +
                                                    show_clean_button + show_camera_button);
    if (map->links.at(1)->links.size() != buttons) return "";
    ++quiet_checks;
    const Quiet_key key{conf->get_page(), conf->detailed, conf->by_numbers, shown};
    const auto [at, fresh] = objects_when_quiet_.emplace(key, Object::alive());
    if (!fresh && at->second != Object::alive())
        return "the same quiet screen of picture " + std::to_string(conf->get_page()) + " holds " +
               std::to_string(Object::alive()) + " objects, before " + std::to_string(at->second);
    return "";
}

std::string Game_invariants::check_saves() {
    if (settings_writer.written() == writes_seen_) return "";
    writes_seen_ = settings_writer.written();
    return check_saved_file(current_settings_path());
}

std::string Game_invariants::check_saved_file(const std::string& path) {
    settings_writer.flush();
    writes_seen_ = settings_writer.written();
    std::string bytes;
    int error = 0;
    if (!read_settings_file(path, bytes, error)) return "the saved settings cannot be read back";
    if (bytes != settings_writer.last_written()) return "the settings file is not the last one written";
    const Config back(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    if (back.damaged) return "the saved settings read back damaged";
    if (settings_bytes(back) != bytes) return "the saved settings read back to something else";
    ++saves_checked;
    return "";
}
