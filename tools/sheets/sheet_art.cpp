#include "sheet_art.h"

#include <algorithm>
#include <cstring>

#include "res/archive.h"
#include "scene/model_record.h"

const char* const sheet_art_entries[2] = {"list_kontur", "list_nums"};

namespace {

// The texture of the picture's sheet, or "" when it has none.
std::string paper_texture(const Archive& archive) {
    const raw block = archive.getfile("block");
    std::vector<MeshRecord> records;
    if (!read_object_records(block.data, block.size, &records) || records.empty()) return "";
    return records.front().texture_name;
}

}  // namespace

bool read_sheet_art(const Archive& archive, SheetArt* art, std::string* error) {
    std::vector<MeshRecord> meshes;
    for (const char* entry : sheet_art_entries) {
        const raw file = archive.getfile(entry);
        std::vector<MeshRecord> records;
        if (!read_object_records(file.data, file.size, &records) || records.empty()) {
            *error = std::string("the archive has no readable ") + entry;
            return false;
        }
        meshes.insert(meshes.end(), records.begin(), records.end());
    }
    int triangles = 0;
    for (const MeshRecord& m : meshes) triangles += m.triangle_count;
    if (triangles == 0) {
        *error = "the archive's outlines and numbers hold no triangles";
        return false;
    }

    const std::string paper = paper_texture(archive);
    art->plane = picture_plane(meshes);
    art->layers.clear();
    art->low = {1e300, 1e300};
    art->high = {-1e300, -1e300};
    for (const MeshRecord& m : meshes) {
        for (int i = 0; i < 3 * m.triangle_count; ++i) {
            const SheetPoint p = plane_point(m, i, art->plane);
            art->low = {std::min(art->low.x, p.x), std::min(art->low.y, p.y)};
            art->high = {std::max(art->high.x, p.x), std::max(art->high.y, p.y)};
        }
        SheetLayer layer;
        layer.rings = merged_outline(m, art->plane);
        layer.paper = !paper.empty() && paper == m.texture_name;
        art->layers.push_back(std::move(layer));
    }
    return true;
}
