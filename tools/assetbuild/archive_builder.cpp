#include "archive_builder.h"

#include <cstdio>
#include <cstdlib>

#include "common/png_writer.h"

void ArchiveBuilder::push(const std::string& name, const std::vector<unsigned char>& bytes) {
    if (!names_.insert(name).second) {
        std::fprintf(stderr, "assetbuild: %s holds \"%s\" twice\n", name_.c_str(), name.c_str());
        std::exit(1);
    }
    raw r;
    r.data = const_cast<unsigned char*>(bytes.data());
    r.size = static_cast<uint32_t>(bytes.size());
    if (!pack_.pushfile(name.c_str(), r)) {
        std::fprintf(stderr, "assetbuild: cannot add \"%s\" to %s\n", name.c_str(), name_.c_str());
        std::exit(1);
    }
}

void ArchiveBuilder::add_object(const std::string& name, const std::vector<Mesh>& meshes) {
    push(name, write_object_file(meshes));
}

const std::string& ArchiveBuilder::add_texture(const std::string& name, Image img, int channels) {
    if (channels == 4) img.bleed_edges();
    push(name, encode_png(img, channels));
    return *names_.find(name);
}

bool ArchiveBuilder::save(const std::string& folder) const { return pack_.save((folder + name_).c_str()); }
