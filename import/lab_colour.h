#pragma once

#include <cstdint>

#include "rgb_image.h"

// CIE L*a*b* under D65 and sRGB, both ways.
struct Lab {
    float L = 0, a = 0, b = 0;
};

Lab lab_of_rgb(const uint8_t rgb[3]);
// 0xRRGGBB of a Lab colour; `inside` says whether it lies in the sRGB gamut
// (the channels are clamped when not).
uint32_t rgb_of_lab(const Lab& c, bool* inside = nullptr);

float lab_distance2(const Lab& p, const Lab& q);

LabImage to_lab(const RgbImage& in);
