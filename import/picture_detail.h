#pragma once

#include <vector>

#include "lab_colour.h"
#include "regions.h"
#include "rgb_image.h"

// Where a picture has detail and where it is flat: a face against a sky.

// How fast the colour changes at every pixel: Delta E to its right and
// lower neighbours, the larger.
std::vector<float> colour_gradient(const LabImage& lab);

// How much each pixel counts when the picture's colours are grouped: a
// little on flat ground (a sky's gradient), up to several times that where
// there is detail around (a face). `px_per_unit` working pixels make one
// picture unit.
std::vector<float> detail_weights(const std::vector<float>& gradient, int w, int h, double px_per_unit);

// Joins neighbouring regions whose colour hardly changes across their
// shared border (on average, from a few pixels on one side to as far on
// the other, under `soft` Delta E and under a third of what it is across
// the picture's borders in general) and whose clusters (`centres`, colour
// N is centres[N - 1]) lie within `near` Delta E of the joined region's
// largest part: the bands a sky's gradient was cut into. The joined region
// keeps the cluster of its largest part. Returns whether any were joined.
bool join_across_soft_borders(RegionImage& img, const LabImage& lab, const std::vector<Lab>& centres, float soft,
                              float near);
