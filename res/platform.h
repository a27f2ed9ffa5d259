#pragma once

#include <string>

#include "res/platform_paths.h"

// What the game asks of the operating system beyond SDL and OpenGL.

// Decodes a compressed image (PNG, JPEG, ...) held in memory into a mipmapped
// OpenGL texture. 24-bit images become GL_RGB, 32-bit ones GL_RGBA; any other
// depth, or bytes that are no image, yield 0 and consume no texture name.
// Needs a current GL context. Leaves the new texture bound.
unsigned mac_load_tex(char* bytes, int count);

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
