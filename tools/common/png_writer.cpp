#include "common/png_writer.h"

#include <cstdio>

std::vector<unsigned char> encode_png(const Image& img, int channels) {
    const std::vector<unsigned char> px = img.bytes(channels);
    return encode_png(px.data(), img.width(), img.height(), channels);
}

bool write_png(const std::string& path, const unsigned char* pixels, int width, int height, int channels) {
    const std::vector<unsigned char> bytes = encode_png(pixels, width, height, channels);
    if (bytes.empty()) return false;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

bool write_png(const std::string& path, const Image& img, int channels) {
    const std::vector<unsigned char> px = img.bytes(channels);
    return write_png(path, px.data(), img.width(), img.height(), channels);
}
