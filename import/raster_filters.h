#pragma once

#include <cstdint>
#include <vector>

#include "rgb_image.h"

// Filters over one channel or one mask of a w x h raster, rows top first.

// The largest (or, with `least`, the smallest) value within `r` pixels
// (a square) of every pixel.
std::vector<float> local_extreme(std::vector<float> v, int w, int h, int r, bool least);

// A Gaussian blur of standard deviation `sigma` pixels (the edges repeat).
std::vector<float> gaussian_blur(const std::vector<float>& v, int w, int h, float sigma);

// The mask grown by `r` pixels (a disc), then shrunk by as much: gaps and
// notches narrower than about 2r are filled, everything else stays.
std::vector<uint8_t> closed_mask(const std::vector<uint8_t>& mask, int w, int h, float r);

// The mask grown by `r` pixels (a disc).
std::vector<uint8_t> grown_mask(const std::vector<uint8_t>& mask, int w, int h, float r);

// The mask grown by one pixel towards its four neighbours.
std::vector<uint8_t> widened(const std::vector<uint8_t>& mask, int w, int h);

// The 8-connected pieces (marks) of a mask, numbered from 0 in raster
// order; -1 where it is clear.
std::vector<int> marks_of(const std::vector<uint8_t>& mask, int w, int h, int& count);

// The lightness (L*) of every pixel of a L*a*b* raster.
std::vector<float> lightness_of(const LabImage& lab);
