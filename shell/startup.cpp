#include "shell/startup.h"

#include <SDL/SDL.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>
#include <vector>

#include "anim/slot_builder.h"
#include "audio/sound.h"
#include "game/brush.h"
#include "game/game_state.h"
#include "game/keepsakes.h"
#include "game/own_import.h"
#include "game/navigation.h"
#include "game/number_hints.h"
#include "game/page_catalogue.h"
#include "game/page_table.h"
#include "game/page_info.h"
#include "res/atomic_file.h"
#include "res/media.h"
#include "res/name_texture.h"
#include "res/platform.h"
#include "save/config.h"
#include "save/machine_config.h"
#include "save/profiles.h"
#include "save/settings_file.h"
#include "save/settings_writer.h"
#include "scene/object.h"
#include "shell/frame_loop.h"
#include "shell/input.h"
#include "shell/hits.h"
#include "shell/presenter.h"
#include "shell/scena.h"
#include "shell/scene_loader.h"
#include "shell/termination.h"
#include "ui/gallery.h"
#include "ui/help_screen.h"
#include "ui/focus_ring.h"
#include "ui/interface_buttons.h"
#include "ui/keyboard_play.h"
#include "ui/keepsake_feedback.h"
#include "ui/menu.h"
#include "ui/parent_gate.h"
#include "ui/profile_picker.h"

Object* MENU_GLOBAL = nullptr;
Object* interface_root = nullptr;

namespace {

// Every archive the game may open from its own folder: a broken install is
// found at start, not in the middle of a child's painting.
std::vector<std::string> game_archives() {
    std::vector<std::string> names{"interface.pak", "langall.pak", "sound.pak", "music.pak"};
    names.insert(names.end(), packnames, packnames + 5);
    for (int picture = 1; picture <= page_count; ++picture)
        for (bool detailed : {false, true}) names.push_back(page_archive(picture, detailed));
    return names;
}

// Temporary files of ours that a power cut or a kill left half written: the
// settings' ("com.quillfen.pintabo.cfg.Ab12Cd"), an import's
// ("page101.pak.Ab12Cd", and the number it held, "page101.reserved") and a
// keepsake's (".pintabo-picture-...Ab12Cd",
// ".pintabo-sheets-Ab12Cd").
void clear_half_written_files() {
    const std::string settings = get_cfg_path();
    const std::string settings_name = settings.substr(settings.rfind('/') + 1);
    remove_stale_temporaries(folder_of(settings),
                             [&](const std::string& n) { return is_temporary_of(n, settings_name); });
    const auto stem = [](const std::string& n) { return n.size() > 7 ? n.substr(0, n.size() - 7) : std::string(); };
    remove_stale_temporaries(get_own_pictures_path(), [&](const std::string& n) {
        int number = 0;
        bool detailed = false;
        // An import's number is held by "page101.reserved" while it runs.
        const std::string held = ".reserved";
        if (n.size() > held.size() && n.compare(n.size() - held.size(), held.size(), held) == 0)
            return parse_page_archive_name(n.substr(0, n.size() - held.size()) + ".pak", number, detailed) && !detailed;
        return is_temporary_of(n, stem(n)) && parse_page_archive_name(stem(n), number, detailed);
    });
    remove_stale_temporaries(get_pictures_path(), [&](const std::string& n) {
        return n.rfind(".pintabo-", 0) == 0 && is_temporary_of(n, stem(n));
    });
}

// The child to paint next (0: none asked for), and whether their
// predecessor's settings are on disk already.
int next_child = 0;
bool next_child_saved = false;
// The picker opens by itself once, when the game starts with several children.
bool picker_offered = false;

Object* with_slot(Object* object, std::initializer_list<Action> actions) {
    start_slot(object, actions);
    return object;
}
}  // namespace

void start_game() {
    media.setpwd(get_resources_path());
    media.require(game_archives());
    // What the machine's settings allow of the children's profiles and the gate.
    profiles_allowed = machine_settings.profiles;
    parent_gate_wanted = machine_settings.parent_gate;
    set_current_profile(profiles_allowed ? load_profiles().last : 1);
    load_settings();
    const Machine_settings& m = machine_settings;
    scena = m.fullscreen ? new Scena(0, 0, 0) : new Scena(m.window_width, m.window_height, 32, false);
    sound = new Sound();
    install_termination_handler();
    open_switch_joystick();
    SDL_WM_SetCaption("pintabo", "pintabo");
    SDL_EnableUNICODE(1);  // a child's name is typed in any language
    start_scene();
}

// A settings file that cannot be read (a folder in its place, no permission)
// is said once and the game starts with the defaults; it is kept, not
// overwritten, by the first save. A child's first start takes the settings
// of the machine as a new player's; every start takes those a file or the
// command line gave for the machine over the stored ones.
void load_settings() {
    const std::string path = current_settings_path();
    struct stat st {};
    const bool first_start = stat(path.c_str(), &st) != 0 && errno == ENOENT;
    conf = load_settings_file(path);
    if (first_start) start_new_player(machine_settings, *conf);
    override_stored_settings(machine_settings, *conf);
}

void start_scene() {
    clear_half_written_files();
    // The child's own pictures as the folder holds them now; the progress of
    // one that was removed goes with it.
    scan_own_pictures();
    if (conf) forget_removed_pictures(*conf);
    reset_scene_requests();
    reset_game_state();
    reset_interface_state();
    reset_keyboard_play();
    reset_number_hints();
    create_roots();
    rest_work = gallery_draw_ahead;
    if (conf->music_on && sound) sound->play("music.wav", true);
    default_page();  // the saved picture in its saved variant, if the catalogue knows it
    build_standing_scene();
}

void build_standing_scene() {
    Object* background = new Object();
    background->chrot(-90.0, 0.0, 0.0);
    background->add("interface.pak", "fon");
    map->addlink(background);

    // The focus ring of play without a mouse, drawn under the brush.
    Object* ring = make_focus_ring();
    cursor->addlink(ring);
    // The hints of paint by numbers (sparkles, ticks), under the ring.
    cursor->addlink(with_slot(new Object(), {make_action(number_hints_f)}));
    interface_root =
        with_slot(new Object(), {make_action(keyboard_play_f, 0.0, ring), make_action(forgiving_click_f),
                                 make_action(create_back_button_f), make_action(create_clear_button_f),
                                 make_action(create_reset_button_f), make_action(create_colors_button_f),
                                 make_action(create_buttons_f, -1.0), make_action(create_camera_button_f),
                                 make_action(watch_keepsakes_f), make_action(watch_own_import_f)});
    map->addlink(interface_root);

    Object* tube_holder = new Object();
    tube_holder->addfun(add_light, nullptr);
    map->addlink(with_slot(new Object(), {make_action(scena_loader_f, 0.0, tube_holder)}));
    map->addlink(tube_holder);

    MENU_GLOBAL = new Object();
    MENU_GLOBAL->chrot(-90.0, 0.0, 0.0);
    map->addlink(MENU_GLOBAL);

    // The layer is taken at once: nothing on the base screen answers a click
    // before the help screen has been built over it.
    if (profiles_allowed && !picker_offered && load_profiles().several()) {
        picker_offered = true;
        open_profile_picker();
    } else if (conf->help_on_start) {
        hits_layer1 = true;
        create_default_menu_m(create_help_screen_f, 0);
    }

    cursor->addlink(with_slot(new Object(), {make_action(create_brush_f, -1.0)}));
}

void create_roots() {
    map = new Object();
    cursor = new Object();
    init_light();
    map->addfun(add_light, nullptr);
    cursor->addfun(add_light, nullptr);
}

// The settings are replaced atomically: a crash or a full disk during the
// write leaves the previous file whole. A failure is reported on standard
// error and the game still quits. A second call while the roots are already
// going (a signal after the quit dialog) writes nothing more.
void exit_scene() {
    if (map && map->deleted) return;
    save_progress();
    if (map) map->del();
    if (cursor) cursor->del();
}

void request_profile_change(int child, bool saved_already) {
    next_child = child;
    next_child_saved = saved_already;
}

bool profile_change_pending() { return next_child != 0; }

void leave_for_next_child() {
    if (!next_child || (map && map->deleted)) return;
    if (!next_child_saved) save_progress();
    if (map) map->del();
    if (cursor) cursor->del();
}

bool start_next_child() {
    if (!next_child || termination_requested()) return false;
    int child = next_child;
    next_child = 0;
    free_game();  // the last child's settings are on disk now
    Profiles list = load_profiles();
    if (!list.find(child)) child = 1;  // taken out meanwhile: the first child is always there
    list.last = child;
    save_profiles(list);
    set_current_profile(child);
    load_settings();
    sound = new Sound();
    start_scene();
    return true;
}

void shutdown_game() {
    free_game();
    delete scena;
    scena = nullptr;
}

// The mixer goes first: its thread reads the options of `conf`.
void free_game() {
    delete sound;
    sound = nullptr;
    delete conf;
    conf = nullptr;
    delete map;
    map = nullptr;
    delete cursor;
    cursor = nullptr;
    MENU_GLOBAL = nullptr;
    interface_root = nullptr;
    hits.hit = nullptr;
    hits.pick_known = false;
    gallery_release();
    rest_work = nullptr;
    keepsake_wait();
    own_import_wait();
    presenter.force_full();
    forget_name_textures();
    // The last save (the quit's) is on disk before the game is gone.
    settings_writer.stop();
}
