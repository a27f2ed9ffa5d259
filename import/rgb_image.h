#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// 8-bit RGB pixels, rows top first, three bytes per pixel.
struct RgbImage {
    int w = 0, h = 0;
    std::vector<uint8_t> rgb;

    const uint8_t* at(int x, int y) const { return rgb.data() + (static_cast<size_t>(y) * w + x) * 3; }
};

// Colours in CIE L*a*b* (D65), three floats per pixel, rows top first.
struct LabImage {
    int w = 0, h = 0;
    std::vector<float> lab;

    const float* at(size_t p) const { return lab.data() + p * 3; }
    float* at(size_t p) { return lab.data() + p * 3; }
};
