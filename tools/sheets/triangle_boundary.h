#pragma once

#include <polyclipping/clipper.hpp>

// The edges of a heap of triangles that no neighbour cancels, chained into
// closed rings. Where one triangle runs an edge one way and its neighbour the
// other way, that edge lies inside the area and is dropped; what is left is
// the outline the triangles were cut from. Every triangle must be wound
// counter-clockwise. The rings wind round every point exactly as often as the
// triangles do, so their non-zero union is the triangles' union, from a small
// share of the edges.
ClipperLib::Paths triangle_boundary(const ClipperLib::Paths& triangles);
