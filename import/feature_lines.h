#pragma once

#include <cstdint>
#include <vector>

#include "rgb_image.h"

// The lines a person would draw of a photo: the strong, coherent edges
// that make a face or an animal what it is (eyes, nose, mouth, whiskers, a
// small subject's outline), found by a difference of Gaussians on the
// lightness with hysteresis (a dark line, or the dark side of an edge; and
// thin light lines such as whiskers), thinned to one pixel, short and weak
// pieces dropped, and in busy texture (fur, grass) only the strongest
// kept; then drawn a line's width wide. Dark dots (pupils, nostrils) are
// kept whole. 1 where a line lies. `px_per_unit` working pixels make one
// picture unit.
std::vector<uint8_t> feature_lines(const LabImage& lab, double px_per_unit);

// Thins a mask to lines one pixel wide (Zhang and Suen), keeping their
// connections and ends.
void thin_lines(std::vector<uint8_t>& mask, int w, int h);
