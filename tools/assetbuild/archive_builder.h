#pragma once

#include <set>
#include <string>
#include <vector>

#include "common/image.h"
#include "res/pack.h"
#include "scene/model_writer.h"

// Collects the entries of one archive: object files and the PNG textures
// their models name. Entries keep the order they were added in; adding a
// name twice is a builder bug and stops the program.
class ArchiveBuilder {
public:
    explicit ArchiveBuilder(std::string archive_name) : name_(std::move(archive_name)) {}

    void add_object(const std::string& name, const std::vector<Mesh>& meshes);
    // Encodes the image as PNG, 4 channels or 3 (when it has no see-through
    // pixels worth keeping). Returns the entry name, for the models.
    const std::string& add_texture(const std::string& name, Image img, int channels = 4);
    bool has(const std::string& name) const { return names_.count(name) != 0; }

    // Writes the archive to `folder` + its name; false when that failed.
    bool save(const std::string& folder) const;
    const std::string& name() const { return name_; }

private:
    void push(const std::string& name, const std::vector<unsigned char>& bytes);

    std::string name_;
    Pack pack_;
    std::set<std::string> names_;
};
