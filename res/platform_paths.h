#pragma once

#include <string>
#include <vector>

// Where things are, as the operating system and the desktop say: the
// game's own folders and the user's. Plain POSIX and the XDG variables;
// the tools ask the same questions the game does.

// The folder of the running executable, without a trailing slash.
std::string get_boundle_path();

// The folder holding the archives, ending with exactly one slash: of "data/"
// beside the executable (a build) and the installed "../share/pintabo/", the
// one holding more of the archives every start opens; when neither holds
// any, the data folder fixed at build time if it holds some or is the only
// one that exists; else the one that exists ("data/" when both or none do).
std::string get_resources_path();

// $XDG_CONFIG_HOME/pintabo/com.quillfen.pintabo.cfg ($XDG_CONFIG_HOME defaults
// to ~/.config). Neither creates nor checks the file or its folder.
std::string get_cfg_path();

// $XDG_DATA_HOME/pintabo/pictures/ ($XDG_DATA_HOME defaults to
// ~/.local/share; only an absolute one counts), ending with one slash: the
// folder pintabo-import writes the player's own pictures to. Neither creates
// nor checks the folder. An absolute $PINTABO_OWN_PICTURES comes first: the
// folder the game was told to use, handed on to the commands it runs.
std::string get_own_pictures_path();

// From now on, in this process and the commands it starts, the own pictures
// are in `folder` (absolute, or "~/..." in the home folder); empty leaves
// the usual folder.
void set_own_pictures_path(const std::string& folder);

// The settings files a machine's administrator writes, least important
// first: /etc/pintabo/pintabo.conf, then pintabo/pintabo.conf in each folder
// of $XDG_CONFIG_DIRS (only absolute ones; /etc/xdg when unset), the first
// of them last; a file named twice comes once, where it counts most.
// Neither checked nor read.
std::vector<std::string> machine_settings_files();

// $XDG_CONFIG_HOME/pintabo/pintabo.conf (beside the progress file): the
// user's own settings, written by hand.
std::string user_settings_file();

// The full path of `program` found in $PATH, or empty.
std::string find_in_path(const char* program);

// Where the child's keepsakes go, ending with a slash: a "pintabo/" folder
// in the user's pictures folder (XDG_PICTURES_DIR of user-dirs.dirs, the
// `xdg-user-dir PICTURES` answer, else ~/Pictures). Neither made nor checked.
std::string get_pictures_path();
