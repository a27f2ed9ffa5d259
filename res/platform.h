#pragma once

#include <string>

// What the game asks of the operating system beyond SDL and OpenGL.

// Decodes a compressed image (PNG, JPEG, ...) held in memory into a mipmapped
// OpenGL texture. 24-bit images become GL_RGB, 32-bit ones GL_RGBA; any other
// depth, or bytes that are no image, yield 0 and consume no texture name.
// Needs a current GL context. Leaves the new texture bound.
unsigned mac_load_tex(char* bytes, int count);

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
// nor checks the folder.
std::string get_own_pictures_path();

// The full path of `program` found in $PATH, or empty.
std::string find_in_path(const char* program);

// True for an address the browser may be handed: one starting with
// "http://" or "https://". Anything else (a file, a command-line option for
// the opener, another scheme) is never passed on.
bool is_web_address(const std::string& url);

// Opens a web address in the user's browser with xdg-open, detached; returns
// at once and reports nothing. Refuses anything that is_web_address refuses.
void visit_site(std::string url);

// Opens a file of ours (an absolute path to a regular file) with the
// desktop's viewer, detached, as visit_site does; false when it is no such file.
bool open_document(const std::string& path);

// Where the child's keepsakes go, ending with a slash: a "pintabo/" folder
// in the user's pictures folder (XDG_PICTURES_DIR of user-dirs.dirs, the
// `xdg-user-dir PICTURES` answer, else ~/Pictures). Neither made nor checked.
std::string get_pictures_path();
