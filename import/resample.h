#pragma once

#include "rgb_image.h"

// The largest size of the image's shape that fits in max_w x max_h.
void fit_size(int w, int h, int max_w, int max_h, int& out_w, int& out_h);

// The image at another size: each output pixel a tent-weighted average of
// the input pixels under it (at least its bilinear neighbours), so a large
// photo is averaged down without aliasing and a small drawing is enlarged
// smoothly.
RgbImage resample(const RgbImage& in, int w, int h);
