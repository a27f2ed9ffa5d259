// The settings of a machine and a school, layer over layer: a table of
// machine files, a user's file and command lines, each with the effective
// settings it must give and every line it must say on standard error.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "save/config.h"
#include "save/machine_config.h"
#include "save/machine_config_files.h"
#include "shell/command_line.h"
#include "support/temp_folder.h"

namespace {

// What stands in a file's place: text, nothing, a folder, a pipe, or 10 MB.
constexpr const char* missing = "\x01missing";
constexpr const char* folder = "\x01folder";
constexpr const char* pipe_file = "\x01pipe";
constexpr const char* ten_megabytes = "\x01huge";

struct Case {
    const char* name;
    const char* machine;  // the first machine file ("M"); the second ("N") is always missing
    const char* user;     // the user's file ("U")
    std::vector<std::string> args;
    // Keys whose effective value is not the built-in one, or whose origin is
    // not: "value @ {M}:3", "value @ command line".
    std::map<std::string, std::string> expect;
    // Every fault, as said, with {M} and {U} for the paths of the files.
    std::vector<std::string> faults;
};

const std::map<std::string, std::string> built_in_values = {
    {"language", "en"},      {"mode", "numbers-simple"}, {"sound", "yes"},       {"music", "yes"},
    {"help-on-start", "yes"}, {"window", "fullscreen"},   {"quit", "yes"},        {"print", "yes"},
    {"camera", "yes"},        {"import", "yes"},          {"web-link", "yes"},    {"profiles", "yes"},
    {"parent-gate", "yes"},   {"pictures-folder", ""},
};

const std::vector<Case> cases = {
    {"nothing anywhere", missing, missing, {}, {}, {}},
    {"every key from the machine",
     "language = de\nmode = numbers-detailed\nsound = no\nmusic = no\nhelp-on-start = no\nwindow = 1024x768\n"
     "quit = no\nprint = no\ncamera = no\nimport = no\nweb-link = no\nprofiles = no\nparent-gate = no\n"
     "pictures-folder = /srv/pintabo/pictures\n",
     missing,
     {},
     {{"language", "de @ {M}:1"}, {"mode", "numbers-detailed @ {M}:2"}, {"sound", "no @ {M}:3"}, {"music", "no @ {M}:4"},
      {"help-on-start", "no @ {M}:5"}, {"window", "1024x768 @ {M}:6"}, {"quit", "no @ {M}:7"}, {"print", "no @ {M}:8"},
      {"camera", "no @ {M}:9"}, {"import", "no @ {M}:10"}, {"web-link", "no @ {M}:11"}, {"profiles", "no @ {M}:12"},
      {"parent-gate", "no @ {M}:13"}, {"pictures-folder", "/srv/pintabo/pictures @ {M}:14"}},
     {}},
    {"the user's file over the machine's, the command line over both",
     "language = de\nquit = no\nmode = free\n",
     "# my own\nlanguage = fr\nmode = numbers-simple\nwindow = 800x600\n",
     {"--language=ru", "--window", "fullscreen", "--sound=off"},
     {{"language", "ru @ command line"}, {"quit", "no @ {M}:2"}, {"mode", "numbers-simple @ {U}:3"},
      {"window", "fullscreen @ command line"}, {"sound", "no @ command line"}},
     {}},
    {"without the machine's files", "quit = no\nprint = no\n", "print = no\n", {"--no-system-config"},
     {{"print", "no @ {U}:1"}},
     {}},
    {"the last line of a key wins", "sound = no\nsound = yes\nmusic = no\nmusic = off\n", missing, {},
     {{"sound", "yes @ {M}:2"}, {"music", "no @ {M}:4"}},
     {}},
    {"comments, blanks, case, quotes, CRLF and a byte-order mark",
     "\xEF\xBB\xBF# a school's machine\r\n\r\n  ; also a comment\r\n  LANGUAGE   =   ES   # Spanish\r\n"
     "\tWeb-Link=NO\r\npictures-folder = \"/srv/a #1\"  # quoted\r\nmode=Free\r\nquit = True\r\n",
     missing,
     {},
     {{"language", "es @ {M}:4"}, {"web-link", "no @ {M}:5"}, {"pictures-folder", "/srv/a #1 @ {M}:6"},
      {"mode", "free @ {M}:7"}, {"quit", "yes @ {M}:8"}},
     {}},
    {"bad values are said and the rest is taken",
     "sound = maybe\nmusic = no\nwindow = 100x100\nwindow = 1024x\nwindow = big\nlanguage = klingon\n"
     "mode = paint\npictures-folder = relative/folder\nquit =\ncamera = no\nsound =  # no value\n",
     missing,
     {},
     {{"music", "no @ {M}:2"}, {"camera", "no @ {M}:10"}},
     {"pintabo: {M}:1: sound: \"maybe\" is not yes or no",
      "pintabo: {M}:3: window: \"100x100\" is neither fullscreen nor WIDTHxHEIGHT (from 320x240 to 16384x16384)",
      "pintabo: {M}:4: window: \"1024x\" is neither fullscreen nor WIDTHxHEIGHT (from 320x240 to 16384x16384)",
      "pintabo: {M}:5: window: \"big\" is neither fullscreen nor WIDTHxHEIGHT (from 320x240 to 16384x16384)",
      "pintabo: {M}:6: language: \"klingon\" is not one of en, de, es, ru, fr",
      "pintabo: {M}:7: mode: \"paint\" is not one of numbers-simple, numbers-detailed, free",
      "pintabo: {M}:8: pictures-folder: \"relative/folder\" is not a folder from / or ~/ (without a '\"')",
      "pintabo: {M}:9: quit: \"\" is not yes or no", "pintabo: {M}:11: sound: \"\" is not yes or no"}},
    {"lines that are no setting",
     "colour = red\njust some words\n= yes\nprint = no\n\x01\x02\xff = 1\n", missing, {},
     {{"print", "no @ {M}:4"}},
     {"pintabo: {M}:1: colour: unknown key", "pintabo: {M}:2: just some words: is not key = value",
      "pintabo: {M}:3: no key before the =", "pintabo: {M}:5: ???: unknown key"}},
    {"a bad value does not undo the layer below", "language = de\n", "language = tlh\n", {"--language=xx"},
     {{"language", "de @ {M}:1"}},
     {"pintabo: {U}:1: language: \"tlh\" is not one of en, de, es, ru, fr",
      "pintabo: command line:1: language: \"xx\" is not one of en, de, es, ru, fr"}},
    {"a missing machine file is no fault", missing, "camera = no\n", {}, {{"camera", "no @ {U}:1"}}, {}},
    {"a folder in the user file's place", "import = no\n", folder, {}, {{"import", "no @ {M}:1"}},
     {"pintabo: {U}: cannot be read: Is a directory"}},
    {"a pipe in the machine file's place", pipe_file, "music = no\n", {}, {{"music", "no @ {U}:1"}},
     {"pintabo: {M}: cannot be read: not a regular file"}},
    {"a file of 10 MB", ten_megabytes, "window = 640x480\n", {}, {{"window", "640x480 @ {U}:1"}},
     {"pintabo: {M}: larger than 64 KiB, not read"}},
    {"command-line faults",
     missing,
     missing,
     {"--window", "800x600", "--sound=maybe", "--bogus=1", "stray", "--print=no", "--music"},
     {{"window", "800x600 @ command line"}, {"print", "no @ command line"}},
     {"pintabo: command line:3: sound: \"maybe\" is not yes or no", "pintabo: command line:4: bogus: unknown key",
      "pintabo: command line:5: \"stray\" is not an option", "pintabo: command line:7: music: needs a value"}},
};

void put(const std::string& path, const char* what) {
    const std::string w = what;
    if (w == missing) return;
    if (w == folder) {
        mkdir(path.c_str(), 0700);
    } else if (w == pipe_file) {
        mkfifo(path.c_str(), 0600);
    } else if (w == ten_megabytes) {
        // Good lines all the way: only its size is wrong with it.
        std::ofstream out(path);
        const std::string line = "quit = no\n";
        for (size_t n = 0; n < 10u * 1024 * 1024; n += line.size()) out << line;
    } else {
        std::ofstream(path) << w;
    }
}

std::string with_paths(std::string s, const std::map<char, std::string>& paths) {
    for (const auto& [letter, path] : paths) {
        const std::string mark = std::string("{") + letter + "}";
        for (size_t at; (at = s.find(mark)) != std::string::npos;) s.replace(at, mark.size(), path);
    }
    return s;
}

}  // namespace

TEST(MachineConfig, TheTableOfCases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        const std::map<char, std::string> paths = {
            {'M', dir.file("machine.conf")}, {'N', dir.file("xdg.conf")}, {'U', dir.file("user.conf")}};
        put(paths.at('M'), c.machine);
        put(paths.at('U'), c.user);
        std::vector<const char*> argv{"pintabo"};
        for (const std::string& a : c.args) argv.push_back(a.c_str());
        const Command_line line = parse_command_line(static_cast<int>(argv.size()), argv.data());
        std::vector<Setting_fault> faults;
        const Machine_settings s = effective_settings(line, {paths.at('M'), paths.at('N')}, paths.at('U'), faults);

        for (int i = 0; i < setting_key_count; ++i) {
            const std::string key = setting_name(static_cast<Setting_key>(i));
            const auto e = c.expect.find(key);
            const std::string want = e != c.expect.end() ? e->second : built_in_values.at(key) + " @ built in";
            EXPECT_EQ(s.value_text(static_cast<Setting_key>(i)) + " @ " + s.origin[i].text(), with_paths(want, paths))
                << key;
        }
        std::vector<std::string> said, want;
        for (const Setting_fault& f : faults) said.push_back(f.text());
        for (const std::string& f : c.faults) want.push_back(with_paths(f, paths));
        EXPECT_EQ(said, want);
    }
}

// The typed values the game reads agree with what the texts say.
TEST(MachineConfig, TypedValuesFollowTheText) {
    Machine_settings s;
    std::vector<Setting_fault> faults;
    read_settings_text("mode = free\nwindow = 1280x720\nlanguage = ru\n", "f", s, faults);
    EXPECT_TRUE(faults.empty());
    EXPECT_FALSE(s.by_numbers);
    EXPECT_FALSE(s.detailed);
    EXPECT_FALSE(s.fullscreen);
    EXPECT_EQ(s.window_width, 1280);
    EXPECT_EQ(s.window_height, 720);
    EXPECT_EQ(s.language, 3);
    read_settings_text("mode = numbers-detailed\nwindow = fullscreen\n", "g", s, faults);
    EXPECT_TRUE(s.by_numbers && s.detailed && s.fullscreen);
}

// A new player starts with every one of the five; a stored player keeps
// what the files and the command line did not give.
TEST(MachineConfig, StoredSettingsAreOverriddenOnlyByWhatWasGiven) {
    Machine_settings s;
    std::vector<Setting_fault> faults;
    read_settings_text("language = fr\nmusic = no\n", "f", s, faults);
    s.help_on_start = false;  // the built-in origin stays: not given

    Config stored;
    stored.language = 1;
    stored.by_numbers = false;
    stored.sound_on = false;
    stored.music_on = true;
    stored.help_on_start = true;
    override_stored_settings(s, stored);
    EXPECT_EQ(stored.language, 4);
    EXPECT_FALSE(stored.music_on);
    EXPECT_FALSE(stored.by_numbers);
    EXPECT_FALSE(stored.sound_on);
    EXPECT_TRUE(stored.help_on_start);

    Config fresh;
    fresh.sound_on = false;
    start_new_player(s, fresh);
    EXPECT_EQ(fresh.language, 4);
    EXPECT_FALSE(fresh.music_on);
    EXPECT_TRUE(fresh.sound_on);
    EXPECT_TRUE(fresh.by_numbers);
    EXPECT_FALSE(fresh.help_on_start);
}
