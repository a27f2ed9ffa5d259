#pragma once

#include <string>
#include <vector>

// The children who paint on one account, up to eight, each with a settings
// file of their own (progress, own colours, options, language). The first
// child's file is the one the game always had, untouched
// ("com.quillfen.pintabo.cfg"), so an older game still reads it; the others
// are "profile-N.cfg" beside it. The list, with each child's animal, colour
// and name, is "profiles.txt" there, written only once there is more than
// the first child or a name; without it there is the first child alone.
//
// profiles.txt: the line "pintabo profiles 1", the line "last N" (who
// painted last), then one line per child: "N<TAB>animal<TAB>colour<TAB>name"
// (animal and colour 0 to 7, the name UTF-8, at most 24 characters, may be
// empty). Lines that do not read are passed over.

constexpr int most_profiles = 8;
constexpr int profile_looks = 8;  // animals, and colours

struct Profile {
    int number = 1;
    int animal = 0;
    int colour = 0;
    std::string name;
};

struct Profiles {
    std::vector<Profile> list{Profile()};
    int last = 1;  // who painted last, whom the game starts with

    const Profile* find(int number) const;
    bool several() const { return list.size() > 1; }
};

// The list as the settings folder holds it (the first child alone without one).
Profiles load_profiles();
// The list from the bytes of a profiles.txt (any bytes: a list written by
// hand, cut short or damaged gives what of it reads, and always the first child).
Profiles parse_profiles(const std::string& text);
// The bytes of profiles.txt for the list.
std::string profiles_text(const Profiles& p);
// Writes the list all at once; false (with one line on stderr) when it cannot.
bool save_profiles(const Profiles& p);

// The settings file of child `number`.
std::string profile_settings_path(int number);

// A new child, with the next free number and an animal and colour no other
// child has; false when there are eight already.
bool add_profile(Profiles& p, Profile& added);
// Child `number` leaves the list; its settings file is kept beside as
// "...cfg.bak" (never lost). The first child cannot be removed.
bool remove_profile(Profiles& p, int number);
// A name that the picker can show: cut to 24 characters, control
// characters left out.
std::string profile_name_from(const std::string& text);

// The child painting now (1 until one is chosen), and the settings file the
// game reads and writes for them.
int current_profile();
void set_current_profile(int number);
std::string current_settings_path();

// The folder a child's keepsakes (saved pictures, printed sheets) go to: the
// pictures folder itself while one child paints here; with several, a
// subfolder named after the child (their name, or "child 2" without one).
std::string keepsake_folder();
// That subfolder's name for `child` (a name safe as one path component).
std::string keepsake_subfolder(const Profile& child);
