#pragma once

// Reading the picture archives back for the tests: where the build put them,
// the meshes inside an object file, and the region table they must follow.

#include <string>
#include <vector>

#include "res/pack.h"

struct PictureVertex {
    float x, y, z;
};

struct PictureModel {
    std::string texture;
    std::vector<PictureVertex> vertices;  // three per triangle
};

// The folder with the built archives ("data" beside the build's programs).
std::string picture_data_dir();

// The models of an object file; empty when it is malformed.
std::vector<PictureModel> read_object_file(const raw& file);

// Regions of colour N (1 to 10) that picture `number` must have.
int wanted_regions(int number, bool detailed, int colour);

// The archive's name: "page07.pak" or "hpage07.pak".
std::string picture_archive(int number, bool detailed);
