#pragma once

#include <string>
#include <vector>

#include "common/image.h"

#include "res/png_encode.h"

// PNG files of the builders' images (the encoder itself is the game's own,
// res/png_encode.h). `channels` is 3 (24-bit RGB) or 4 (32-bit RGBA).
std::vector<unsigned char> encode_png(const Image& img, int channels);

// Writes the encoded image to a file; false when the file cannot be written.
bool write_png(const std::string& path, const Image& img, int channels);
bool write_png(const std::string& path, const unsigned char* pixels, int width, int height, int channels);
