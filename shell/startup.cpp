#include "shell/startup.h"

#include <SDL/SDL.h>

#include <fstream>

#include "audio/sound.h"
#include "res/media.h"
#include "res/platform.h"
#include "save/config.h"
#include "save/settings_file.h"
#include "scene/object.h"
#include "shell/frame_loop.h"
#include "shell/scena.h"

namespace {
// Held open from start-up until the game ends, as the settings were read from it.
std::ifstream settings_in;
}  // namespace

void start_game() {
    media.setpwd(get_resources_path());
    settings_in.open(get_cfg_path(), std::ios::binary);
    conf = settings_in ? new Config(settings_in) : new Config();
    scena = new Scena(0, 0, 0);
    sound = new Sound();
    SDL_WM_SetCaption("pintabo", "pintabo");
    create_roots();
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
// error and the game still quits.
void exit_scene() {
    save_settings_file(*conf, get_cfg_path());
    map->del();
    cursor->del();
}

void shutdown_game() {
    delete conf;
    conf = nullptr;
    delete map;
    map = nullptr;
    delete cursor;
    cursor = nullptr;
    delete sound;
    sound = nullptr;
    delete scena;
    scena = nullptr;
    settings_in.close();
}
