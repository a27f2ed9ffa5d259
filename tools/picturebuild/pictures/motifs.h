#pragma once

#include "pictures.h"

// Pieces several pictures share.

// A fluffy cloud of overlapping puffs; with `separate`, each puff is a
// region of its own.
void cloud(Scene& s, int colour, double x, double y, double size, bool separate);

// Ground from the left edge to the right edge whose top follows a gentle
// wave through the given heights (evenly spaced across the picture).
void ground(Scene& s, int colour, std::initializer_list<double> heights);

// A round tree crown made of puffs (each a region when `separate`) on a trunk.
void tree(Scene& s, int crown, int trunk, double x, double y, double size, int puffs, bool separate);
