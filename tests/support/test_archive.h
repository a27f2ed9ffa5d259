#pragma once

#include <string>
#include <utility>
#include <vector>

#include "scene/model_writer.h"

using Bytes = std::vector<unsigned char>;
using Entry = std::pair<std::string, Bytes>;

// Writes an archive of the given entries, in order, with the game's own writer;
// throws when an entry is refused or the file cannot be written.
void write_archive(const std::string& path, const std::vector<Entry>& entries);

// A flat square of side 2*half centred on the origin in the plane z = z,
// facing +z, with the given texture name and material.
Mesh square_mesh(float half, float z, const std::string& texture, bool blend = false);

// An object file holding one square.
Bytes square_object(float half, float z, const std::string& texture, bool blend = false);
