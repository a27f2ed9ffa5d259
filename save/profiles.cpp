#include "save/profiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "res/atomic_file.h"
#include "res/platform_paths.h"
#include "res/say.h"
#include "save/decimal.h"
#include "save/settings_file.h"

namespace {

int current = 1;

std::string settings_folder() { return folder_of(get_cfg_path()) + "/"; }
std::string list_path() { return settings_folder() + "profiles.txt"; }

bool small_int(const std::string& text, int low, int high, int& out) { return read_decimal(text, 2, low, high, out); }

}  // namespace

const Profile* Profiles::find(int number) const {
    for (const Profile& p : list)
        if (p.number == number) return &p;
    return nullptr;
}

std::string profile_name_from(const std::string& text) {
    // Whole UTF-8 characters only (a stray or cut byte is left out), no
    // control characters, at most 24 characters.
    std::string out;
    int characters = 0;
    for (size_t i = 0; i < text.size() && characters < 24;) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const size_t n = c < 0x80 ? 1 : (c >= 0xC2 && c <= 0xDF) ? 2 : (c >= 0xE0 && c <= 0xEF) ? 3
                       : (c >= 0xF0 && c <= 0xF4) ? 4 : 0;
        bool whole = n != 0 && i + n <= text.size();
        for (size_t k = 1; whole && k < n; ++k) whole = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        if (!whole) {
            ++i;
            continue;
        }
        if (n > 1 || (c >= 0x20 && c != 0x7F)) {
            out.append(text, i, n);
            ++characters;
        }
        i += n;
    }
    return out;
}

Profiles load_profiles() {
    std::string text;
    int error = 0;
    if (!read_settings_file(list_path(), text, error)) return Profiles();
    return parse_profiles(text);
}

Profiles parse_profiles(const std::string& text) {
    Profiles p;
    std::istringstream in(text);
    std::string line;
    const auto next_line = [&] {
        if (!std::getline(in, line)) return false;
        if (!line.empty() && line.back() == '\r') line.pop_back();  // written on another system
        return true;
    };
    if (!next_line() || line != "pintabo profiles 1") return p;
    std::vector<Profile> list;
    int last = 1;
    while (next_line()) {
        if (line.rfind("last ", 0) == 0) {
            small_int(line.substr(5), 1, most_profiles, last);
            continue;
        }
        std::vector<std::string> parts;
        size_t from = 0;
        for (size_t tab; (tab = line.find('\t', from)) != std::string::npos && parts.size() < 3; from = tab + 1)
            parts.push_back(line.substr(from, tab - from));
        parts.push_back(line.substr(from));
        Profile one;
        if (parts.size() != 4 || !small_int(parts[0], 1, most_profiles, one.number) ||
            !small_int(parts[1], 0, profile_looks - 1, one.animal) || !small_int(parts[2], 0, profile_looks - 1, one.colour))
            continue;
        one.name = profile_name_from(parts[3]);
        bool taken = false;
        for (const Profile& q : list) taken |= q.number == one.number;
        if (!taken && list.size() < static_cast<size_t>(most_profiles)) list.push_back(one);
    }
    // The first child is always there, even when the list forgot them.
    bool first = false;
    for (const Profile& q : list) first |= q.number == 1;
    if (!first) list.insert(list.begin(), Profile());
    p.list = list;
    p.last = p.find(last) ? last : 1;
    return p;
}

std::string profiles_text(const Profiles& p) {
    std::ostringstream out;
    out << "pintabo profiles 1\nlast " << p.last << "\n";
    for (const Profile& q : p.list)
        out << q.number << '\t' << q.animal << '\t' << q.colour << '\t' << profile_name_from(q.name) << '\n';
    return out.str();
}

bool save_profiles(const Profiles& p) {
    const std::string text = profiles_text(p);
    int error = 0;
    if (!make_folders(settings_folder(), error) || !replace_file(list_path(), text.data(), text.size(), error)) {
        say_once("pintabo: cannot save the list of children to " + list_path() + ": " + std::strerror(error));
        return false;
    }
    return true;
}

std::string profile_settings_path(int number) {
    if (number <= 1) return get_cfg_path();
    return settings_folder() + "profile-" + std::to_string(number) + ".cfg";
}

bool add_profile(Profiles& p, Profile& added) {
    if (p.list.size() >= static_cast<size_t>(most_profiles)) return false;
    Profile n;
    for (n.number = 1; p.find(n.number); ++n.number) {
    }
    // An animal and a colour nobody has: the first free of each, the colour
    // going round differently so the pairs look apart.
    bool animal_used[profile_looks] = {}, colour_used[profile_looks] = {};
    for (const Profile& q : p.list) animal_used[q.animal] = colour_used[q.colour] = true;
    for (n.animal = 0; n.animal < profile_looks - 1 && animal_used[n.animal]; ++n.animal) {
    }
    for (n.colour = (n.animal * 3) % profile_looks; colour_used[n.colour];) {
        n.colour = (n.colour + 1) % profile_looks;
        if (n.colour == (n.animal * 3) % profile_looks) break;
    }
    p.list.push_back(n);
    added = n;
    return true;
}

bool remove_profile(Profiles& p, int number) {
    if (number <= 1) return false;
    for (size_t i = 0; i < p.list.size(); ++i) {
        if (p.list[i].number != number) continue;
        const std::string file = profile_settings_path(number);
        // Never lost: what the child painted stays beside, as a backup.
        if (std::rename(file.c_str(), (file + ".bak").c_str()) != 0 && errno != ENOENT) {
            say_once("pintabo: cannot keep " + file + " as a backup: " + std::strerror(errno));
            return false;
        }
        p.list.erase(p.list.begin() + static_cast<long>(i));
        if (p.last == number) p.last = 1;
        return true;
    }
    return false;
}

int current_profile() { return current; }

void set_current_profile(int number) { current = number < 1 ? 1 : number; }

std::string current_settings_path() { return profile_settings_path(current); }

std::string keepsake_subfolder(const Profile& child) {
    std::string out;
    for (char c : profile_name_from(child.name)) out += (c == '/' || c == '\\') ? '-' : c;
    while (!out.empty() && (out[0] == '.' || out[0] == ' ')) out.erase(0, 1);
    if (out.empty()) out = "child " + std::to_string(child.number);
    return out;
}

std::string keepsake_folder() {
    const Profiles p = load_profiles();
    const Profile* child = p.find(current);
    if (!p.several() || !child) return get_pictures_path();
    return get_pictures_path() + keepsake_subfolder(*child) + "/";
}
