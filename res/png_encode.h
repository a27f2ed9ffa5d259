#pragma once

#include <vector>

// PNG encoding with libpng. The output depends only on the pixels: no time
// stamp or other varying chunk is written, so the same image gives the same
// bytes on every run. `channels` is 3 (24-bit RGB) or 4 (32-bit RGBA);
// `pixels` holds width * height * channels bytes, top row first. Empty on
// failure.
std::vector<unsigned char> encode_png(const unsigned char* pixels, int width, int height, int channels);
