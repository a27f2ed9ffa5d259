#include "save/config.h"

const char* const packnames[5] = {"langen.pak", "langde.pak", "langes.pak", "langru.pak", "langfr.pak"};

Config::Config()
    : help_on_start(true), sound_on(true), music_on(true), by_numbers(true), detailed(false), quality(0),
      language(0), page_index(-1) {}

void Config::set_default(bool keep_options) {
    if (!keep_options) {
        help_on_start = true;
        sound_on = true;
        music_on = true;
        by_numbers = true;
        detailed = false;
        language = 0;
    }
    page_index = -1;
}

const char* Config::langpak() const { return packnames[language_index()]; }
