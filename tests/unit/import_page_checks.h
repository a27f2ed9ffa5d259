#pragma once

#include <vector>

#include "geometry.h"
#include "page_import.h"
#include "test_scenes.h"

class DigitGlyphs;

// What the tests of pintabo-import's pages check on what came out: where the
// regions lie, sampled finely, and what every page must hold.

constexpr double kStep = 0.04;  // picture units between the samples
constexpr int kSceneW = 800, kSceneH = 600;  // the test scenes' size, pixels

// The font the command uses.
const DigitGlyphs& import_glyphs();

// Inside or on the edge of one of the triangles.
bool inside(const std::vector<Pt>& tris, Pt p);

// The picture's rectangle sampled on a fine grid: which region covers each
// sample (-1 none, -2 more than one).
struct Samples {
    double x0, y0;
    int w, h;
    std::vector<int> owner;

    // Off the centres, so that no sample falls on a mesh edge by accident.
    Pt at(int i, int j) const { return {x0 + (i + 0.31415926) * kStep, y0 + (j + 0.27182818) * kStep}; }
    // The region at a point of the picture (-1 outside it).
    int owner_at(Pt p) const;
};

Samples sample(const BuiltPicture& pic, const WorkingPicture& work);

// Where a point of a test scene drawn at `w` x `h` pixels lies on the page.
Pt scene_point(const WorkingPicture& work, int w, int h, ScenePoint at);

// Whether the page draws a line there (an outline or ink).
bool drawn_line_at(const BuiltPicture& pic, Pt p);

// What every imported page must hold: regions covering the picture exactly
// once, each holding the variant's circle, every number inside its own
// region, a record that agrees and an archive the game takes.
void expect_paintable(const ImportedVariant& v, const WorkingPicture& work);
