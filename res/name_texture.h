#pragma once

#include <string>

// A child's name drawn at run time (the only words the game does not take
// from its archives): dark letters with a light rim on a transparent
// texture of a fixed 512 x 112 pixels, centred and shrunk to fit, in
// DejaVu Sans Bold through FreeType. The texture belongs to the cache: the
// same name gives the same texture, and forget_name_textures() frees them.

constexpr int name_texture_width = 512;
constexpr int name_texture_height = 112;

// The texture of `utf8`, or 0 when the font cannot be loaded (said once).
unsigned name_texture(const std::string& utf8);
// The one texture of the name being typed, drawn again with `utf8`.
unsigned typing_texture(const std::string& utf8);
// Frees every name's texture (the window's GL context must still be there).
void forget_name_textures();
