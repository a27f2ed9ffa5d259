#pragma once

#include <string>
#include <vector>

class Config;

// Settings for a machine and a school: plain "key = value" text written by
// people (an administrator's file for the whole machine, a user's own file)
// and command-line options with the same keys, each layer over the one
// before. This is the reading only: text in, the effective settings and the
// faults found out; no file is touched here (machine_config_files.h reads
// the files). The game's progress file is another thing (config.h).
//
// The text: one setting a line, "key = value"; blank lines and lines whose
// first character is '#' or ';' are comments, and so is the rest of a line
// from a '#' after a blank. Keys and the words of values are read in any
// case; a value may stand in double quotes (to keep a '#' or blanks).

enum class Setting_key {
    language,
    mode,
    sound,
    music,
    help_on_start,
    window,
    quit,
    print,
    camera,
    import,
    web_link,
    profiles,
    parent_gate,
    pictures_folder,
};
constexpr int setting_key_count = 14;

// The key as it is written ("help-on-start", "web-link").
const char* setting_name(Setting_key key);
// The key written `name` (any case); false for no key of ours.
bool find_setting(const std::string& name, Setting_key& key);

// Where an effective value came from.
struct Setting_origin {
    enum Kind { built_in, in_file, on_command_line } kind = built_in;
    std::string file;  // the file it was read from
    int line = 0;      // the file's line (from 1), or the option's position
    // "built in", "/etc/pintabo/pintabo.conf:3", "command line".
    std::string text() const;
};

// One thing that could not be taken: a line that is no setting, an unknown
// key, a value the key does not take, or a whole file that cannot be read.
struct Setting_fault {
    std::string file;  // the file, or "command line"
    int line = 0;      // its line or the option's position; 0 for the whole file
    std::string key;   // as written (made printable, cut short); may be empty
    std::string what;
    // The line said on standard error: "pintabo: FILE:LINE: KEY: WHAT".
    std::string text() const;
};

// The effective settings: each value with its origin. Every yes/no key is
// yes when nothing says otherwise.
struct Machine_settings {
    int language = 0;  // as Config::language
    bool by_numbers = true;
    bool detailed = false;
    bool sound = true;
    bool music = true;
    bool help_on_start = true;
    bool fullscreen = true;
    int window_width = 0;  // with `fullscreen` false: the window's size
    int window_height = 0;
    bool quit = true;      // the quit button (the parent's gate and SIGTERM end the game anyway)
    bool print = true;     // "Print pages" in the main menu
    bool camera = true;    // the camera button
    bool import = true;    // the gallery's "+" tile
    bool web_link = true;  // the links to the maker's web site
    bool profiles = true;
    bool parent_gate = true;
    std::string pictures_folder;  // as written (absolute, or from "~/"); empty: the usual folder
    Setting_origin origin[setting_key_count];

    // Takes `value` for `key` from `from`; false, with `why` saying what the
    // key takes, when it is no value of that key (nothing then changes).
    bool set(Setting_key key, const std::string& value, const Setting_origin& from, std::string& why);
    // The effective value as a file would say it.
    std::string value_text(Setting_key key) const;
    // "key = value", the value in quotes when it holds a '#' or starts or
    // ends with a blank: a line that reads back as this value.
    std::string line(Setting_key key) const;
    // Whether a file or the command line gave the key.
    bool given(Setting_key key) const { return origin[static_cast<int>(key)].kind != Setting_origin::built_in; }
};

// The settings the game runs with; the built-in ones until the start reads
// the files and the command line.
extern Machine_settings machine_settings;

// Reads the text of `file` over `into`: every good line overrides what was
// there; every other line adds one fault. A byte-order mark and line ends
// of "\r\n" are taken.
void read_settings_text(const std::string& text, const std::string& file, Machine_settings& into,
                        std::vector<Setting_fault>& faults);

// A setting given on the command line, at position `position` of it.
struct Setting_option {
    std::string key, value;
    int position = 0;
};
// Takes options over `into` as read_settings_text takes lines.
void apply_setting_options(const std::vector<Setting_option>& options, Machine_settings& into,
                           std::vector<Setting_fault>& faults);

// What a new player's settings start with: language, mode, sound, music
// and the help screen at start as the effective settings say.
void start_new_player(const Machine_settings& settings, Config& progress);
// At start, over the stored ones: those of the five that a file or the
// command line gave (a school wants every pupil in its language).
void override_stored_settings(const Machine_settings& settings, Config& progress);
