#include "ui/web_links.h"

#include "anim/action.h"
#include "res/platform.h"
#include "save/config.h"
#include "shell/frame_loop.h"
#include "shell/hits.h"
#include "shell/input.h"
#include "shell/startup.h"
#include "ui/buttons.h"
#include "ui/menu.h"
#include "ui/parent_gate.h"

#ifndef PINTABO_SITE_URL
#define PINTABO_SITE_URL "https://pintabo.example.org"
#endif

const char* const site_address = PINTABO_SITE_URL;

namespace {
const char* const link_paths[3] = {"", "/facebook", "/twitter"};
}  // namespace

std::string web_address(int link, int language) {
    if (link < 0 || link > 2) link = 0;
    if (language < 0 || language > 4) language = 0;
    return std::string(site_address) + link_paths[link] + "/?utm_source=" + "pintabo" + "&utm_medium=" + "mac" + "-ad" +
           "&utm_term=" + "main" + "&utm_content=" + "1.0.1" + "&utm_campaign=" + languages[language];
}

// iparam1 is the link, iparam3 the layer of the menu the button stands in
// (1: the main menu, 2: a dialog over it). Following a link leaves the game.
void when_mouse_select_web_button_f(void*) {
    const Action* a = Action_curent;
    if ((a->iparam3 != 1 && a->iparam3 != 2) || !clicked_on_layer(a->iparam3)) return;
    const auto visit = [](int link) {
        visit_site(web_address(link, conf->language_index()));
        exit_scene();
    };
    // The main menu's link asks at the parent's gate; the about dialog's
    // were behind it already.
    if (a->iparam3 == 1)
        ask_parent(visit, a->iparam1);
    else
        visit(a->iparam1);
}
