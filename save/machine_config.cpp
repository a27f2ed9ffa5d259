#include "save/machine_config.h"

#include <cstdio>

#include "save/config.h"
#include "save/languages.h"

Machine_settings machine_settings;

namespace {

const char* const key_names[setting_key_count] = {
    "language", "mode",   "sound",  "music",    "help-on-start", "window",      "quit",
    "print",    "camera", "import", "web-link", "profiles",      "parent-gate", "pictures-folder",
};

const char* const mode_names[3] = {"numbers-simple", "numbers-detailed", "free"};

// The window's size may be anything a screen may have.
constexpr int smallest_window[2] = {320, 240};
constexpr int largest_window = 16384;

// A key as it goes into a message: printable, and short.
constexpr size_t shown_key_length = 40;

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string trimmed(const std::string& s) {
    const size_t begin = s.find_first_not_of(" \t");
    if (begin == std::string::npos) return {};
    const size_t end = s.find_last_not_of(" \t");
    return s.substr(begin, end - begin + 1);
}

std::string printable(const std::string& s) {
    std::string out;
    for (char c : s.substr(0, shown_key_length)) out += (c >= 0x20 && c < 0x7f) ? c : '?';
    if (s.size() > shown_key_length) out += "...";
    return out;
}

bool read_yes_no(const std::string& value, bool& out) {
    const std::string v = lower(value);
    if (v == "yes" || v == "on" || v == "true" || v == "1") return out = true, true;
    if (v == "no" || v == "off" || v == "false" || v == "0") return out = false, true;
    return false;
}

// "WIDTHxHEIGHT", plain decimal digits.
bool read_size(const std::string& value, int& width, int& height) {
    const size_t x = lower(value).find('x');
    if (x == std::string::npos) return false;
    int got[2] = {0, 0};
    const std::string parts[2] = {value.substr(0, x), value.substr(x + 1)};
    for (int i = 0; i < 2; ++i) {
        if (parts[i].empty() || parts[i].size() > 5) return false;
        for (char c : parts[i]) {
            if (c < '0' || c > '9') return false;
            got[i] = got[i] * 10 + (c - '0');
        }
        if (got[i] < smallest_window[i] || got[i] > largest_window) return false;
    }
    width = got[0];
    height = got[1];
    return true;
}

template <typename Settings>
auto yes_no_field(Settings& s, Setting_key key) -> decltype(&s.sound) {
    switch (key) {
        case Setting_key::sound: return &s.sound;
        case Setting_key::music: return &s.music;
        case Setting_key::help_on_start: return &s.help_on_start;
        case Setting_key::quit: return &s.quit;
        case Setting_key::print: return &s.print;
        case Setting_key::camera: return &s.camera;
        case Setting_key::import: return &s.import;
        case Setting_key::web_link: return &s.web_link;
        case Setting_key::profiles: return &s.profiles;
        case Setting_key::parent_gate: return &s.parent_gate;
        default: return nullptr;
    }
}

// The value of a line: blanks around it gone, a comment after it gone, and
// the quotes of a quoted one.
std::string line_value(const std::string& rest) {
    const std::string v = trimmed(rest);
    if (!v.empty() && v[0] == '"') {
        const size_t close = v.find('"', 1);
        if (close != std::string::npos) {
            const std::string after = trimmed(v.substr(close + 1));
            if (after.empty() || after[0] == '#') return v.substr(1, close - 1);
        }
        return v;  // no closing quote: taken as it is, and most likely refused
    }
    if (!v.empty() && v[0] == '#') return {};  // no value, only a comment
    for (size_t i = 1; i < v.size(); ++i)
        if (v[i] == '#' && (v[i - 1] == ' ' || v[i - 1] == '\t')) return trimmed(v.substr(0, i));
    return v;
}

void take(Machine_settings& into, const std::string& key_text, const std::string& value, const Setting_origin& from,
          std::vector<Setting_fault>& faults) {
    Setting_key key;
    if (!find_setting(key_text, key)) {
        faults.push_back({from.file, from.line, printable(key_text), "unknown key"});
        return;
    }
    std::string why;
    if (!into.set(key, value, from, why))
        faults.push_back({from.file, from.line, setting_name(key), "\"" + printable(value) + "\" " + why});
}

}  // namespace

const char* setting_name(Setting_key key) {
    const int i = static_cast<int>(key);
    return i >= 0 && i < setting_key_count ? key_names[i] : "";
}

bool find_setting(const std::string& name, Setting_key& key) {
    const std::string n = lower(name);
    for (int i = 0; i < setting_key_count; ++i)
        if (n == key_names[i]) return key = static_cast<Setting_key>(i), true;
    return false;
}

std::string Setting_origin::text() const {
    switch (kind) {
        case in_file: return file + ":" + std::to_string(line);
        case on_command_line: return "command line";
        default: return "built in";
    }
}

std::string Setting_fault::text() const {
    std::string out = "pintabo: " + file;
    if (line > 0) out += ":" + std::to_string(line);
    if (!key.empty()) out += ": " + key;
    return out + ": " + what;
}

bool Machine_settings::set(Setting_key key, const std::string& value, const Setting_origin& from, std::string& why) {
    bool ok = false;
    if (bool* field = yes_no_field(*this, key)) {
        ok = read_yes_no(value, *field);
        why = "is not yes or no";
    } else if (key == Setting_key::language) {
        for (int l = 0; l < language_count; ++l)
            if (lower(value) == language_codes[l]) ok = true, language = l;
        why = "is not one of en, de, es, ru, fr";
    } else if (key == Setting_key::mode) {
        for (int m = 0; m < 3; ++m)
            if (lower(value) == mode_names[m]) ok = true, by_numbers = m < 2, detailed = m == 1;
        why = "is not one of numbers-simple, numbers-detailed, free";
    } else if (key == Setting_key::window) {
        if (lower(value) == "fullscreen") {
            ok = true;
            fullscreen = true;
            window_width = window_height = 0;
        } else if (read_size(value, window_width, window_height)) {
            ok = true;
            fullscreen = false;
        }
        why = "is neither fullscreen nor WIDTHxHEIGHT (from 320x240 to 16384x16384)";
    } else if (key == Setting_key::pictures_folder) {
        ok = (value.empty() || value[0] == '/' || value == "~" || value.rfind("~/", 0) == 0) &&
             value.find('"') == std::string::npos;
        if (ok) pictures_folder = value;
        why = "is not a folder from / or ~/ (without a '\"')";
    }
    if (ok) origin[static_cast<int>(key)] = from;
    return ok;
}

std::string Machine_settings::value_text(Setting_key key) const {
    if (const bool* field = yes_no_field(*this, key)) return *field ? "yes" : "no";
    switch (key) {
        case Setting_key::language: return language_codes[language >= 0 && language < language_count ? language : 0];
        case Setting_key::mode: return mode_names[!by_numbers ? 2 : detailed ? 1 : 0];
        case Setting_key::window:
            return fullscreen ? "fullscreen" : std::to_string(window_width) + "x" + std::to_string(window_height);
        case Setting_key::pictures_folder: return pictures_folder;
        default: return "";
    }
}

std::string Machine_settings::line(Setting_key key) const {
    std::string value = value_text(key);
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    if (value.find('#') != std::string::npos || (!value.empty() && (blank(value.front()) || blank(value.back()))))
        value = "\"" + value + "\"";
    return std::string(setting_name(key)) + " = " + value;
}

void read_settings_text(const std::string& text, const std::string& file, Machine_settings& into,
                        std::vector<Setting_fault>& faults) {
    size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    for (int number = 1; start < text.size(); ++number) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string bare = trimmed(line);
        if (bare.empty() || bare[0] == '#' || bare[0] == ';') continue;
        const size_t equals = bare.find('=');
        const Setting_origin from{Setting_origin::in_file, file, number};
        if (equals == std::string::npos) {
            faults.push_back({file, number, printable(bare), "is not key = value"});
            continue;
        }
        const std::string key = trimmed(bare.substr(0, equals));
        if (key.empty()) {
            faults.push_back({file, number, "", "no key before the ="});
            continue;
        }
        take(into, key, line_value(bare.substr(equals + 1)), from, faults);
    }
}

void apply_setting_options(const std::vector<Setting_option>& options, Machine_settings& into,
                           std::vector<Setting_fault>& faults) {
    for (const Setting_option& o : options)
        take(into, o.key, o.value, {Setting_origin::on_command_line, "command line", o.position}, faults);
}

namespace {

// The five the progress file keeps too: all of them, or those given.
void hand_over(const Machine_settings& s, Config& progress, bool only_given) {
    const auto wanted = [&](Setting_key key) { return !only_given || s.given(key); };
    if (wanted(Setting_key::language)) progress.language = s.language;
    if (wanted(Setting_key::mode)) {
        progress.by_numbers = s.by_numbers;
        progress.detailed = s.detailed;
    }
    if (wanted(Setting_key::sound)) progress.sound_on = s.sound;
    if (wanted(Setting_key::music)) progress.music_on = s.music;
    if (wanted(Setting_key::help_on_start)) progress.help_on_start = s.help_on_start;
}

}  // namespace

void start_new_player(const Machine_settings& s, Config& progress) { hand_over(s, progress, false); }

void override_stored_settings(const Machine_settings& s, Config& progress) { hand_over(s, progress, true); }
