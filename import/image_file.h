#pragma once

#include <string>

#include "rgb_image.h"

// Pictures larger than this are refused before they are decoded.
constexpr long long max_image_pixels = 40000000;

// Reads a PNG or JPEG file (through SDL_image) into upright RGB: a JPEG's
// Exif orientation is applied, see-through parts lie on white paper.
// Returns "" or, for the user, what is wrong with the file.
std::string read_image_file(const std::string& path, RgbImage& out);

// The image as it is to be seen, for the Exif orientation 1 to 8.
RgbImage upright(const RgbImage& in, int orientation);
