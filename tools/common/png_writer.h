#pragma once

#include <string>
#include <vector>

#include "common/image.h"

// PNG encoding with libpng. The output depends only on the pixels: no time
// stamp or other varying chunk is written, so the same image gives the same
// bytes on every run.

// `channels` is 3 (24-bit RGB) or 4 (32-bit RGBA); `pixels` holds
// width * height * channels bytes, top row first.
std::vector<unsigned char> encode_png(const unsigned char* pixels, int width, int height, int channels);
std::vector<unsigned char> encode_png(const Image& img, int channels);

// Writes the encoded image to a file; false when the file cannot be written.
bool write_png(const std::string& path, const Image& img, int channels);
bool write_png(const std::string& path, const unsigned char* pixels, int width, int height, int channels);
