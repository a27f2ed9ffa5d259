#include "support/test_archive.h"

#include <stdexcept>

#include "res/pack.h"

void write_archive(const std::string& path, const std::vector<Entry>& entries) {
    Pack pack;
    for (const Entry& e : entries) {
        raw r;
        r.data = const_cast<unsigned char*>(e.second.data());
        r.size = static_cast<uint32_t>(e.second.size());
        if (pack.pushfile(e.first.c_str(), r) != 1) throw std::runtime_error("archive entry refused: " + e.first);
    }
    if (!pack.save(path.c_str())) throw std::runtime_error("cannot write " + path);
}

Mesh square_mesh(float half, float z, const std::string& texture, bool blend) {
    Mesh m;
    m.texture = texture;
    m.material.blend = blend;
    auto v = [&](float x, float y, float s, float t) {
        MeshVertex mv;
        mv.x = x;
        mv.y = y;
        mv.z = z;
        mv.s = s;
        mv.t = t;
        return mv;
    };
    m.triangle(v(-half, -half, 0, 1), v(half, -half, 1, 1), v(half, half, 1, 0));
    m.triangle(v(-half, -half, 0, 1), v(half, half, 1, 0), v(-half, half, 0, 0));
    return m;
}

Bytes square_object(float half, float z, const std::string& texture, bool blend) {
    return write_object_file({square_mesh(half, z, texture, blend)});
}
