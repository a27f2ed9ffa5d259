#include "shell/startup.h"

#include <SDL/SDL.h>

#include "res/media.h"
#include "res/platform.h"
#include "scene/object.h"
#include "shell/frame_loop.h"
#include "shell/scena.h"

void start_game() {
    media.setpwd(get_resources_path());
    scena = new Scena(0, 0, 0);
    SDL_WM_SetCaption("pintabo", "pintabo");
    map = new Object();
    cursor = new Object();
    init_light();
    map->addfun(add_light, nullptr);
    cursor->addfun(add_light, nullptr);
}

void exit_scene() {
    map->del();
    cursor->del();
}

void shutdown_game() {
    delete map;
    map = nullptr;
    delete cursor;
    cursor = nullptr;
    delete scena;
    scena = nullptr;
}
