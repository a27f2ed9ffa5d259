#include "scene/model_writer.h"

#include <cstdint>
#include <cstring>

namespace {

void put_u32(std::vector<unsigned char>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>((v >> (8 * i)) & 0xFF));
}

void put_float(std::vector<unsigned char>& out, float f) {
    uint32_t v;
    std::memcpy(&v, &f, 4);
    put_u32(out, v);
}

void put_floats(std::vector<unsigned char>& out, const float* f, int n) {
    for (int i = 0; i < n; ++i) put_float(out, f[i]);
}

}  // namespace

std::vector<unsigned char> write_model_record(const Mesh& mesh, size_t at) {
    std::vector<unsigned char> out;
    // The name needs its terminator; padding it puts the float arrays on a
    // 4-byte boundary of the object file.
    size_t name_len = mesh.texture.size() + 1;
    while ((at + 69 + name_len) % 4 != 0) ++name_len;
    put_u32(out, static_cast<uint32_t>(name_len));
    out.insert(out.end(), mesh.texture.begin(), mesh.texture.end());
    out.resize(out.size() + (name_len - mesh.texture.size()), 0);

    const MeshMaterial& m = mesh.material;
    out.push_back(m.alpha_test ? 1 : 0);
    out.push_back(m.blend ? 1 : 0);
    out.push_back(0);
    out.push_back(0);
    put_floats(out, m.ambient, 4);
    put_floats(out, m.diffuse, 4);
    put_floats(out, m.specular, 4);
    put_float(out, m.shininess);
    put_u32(out, 0);

    const uint32_t n = static_cast<uint32_t>(mesh.vertices.size() / 3);
    put_u32(out, n);
    out.push_back(0);
    const size_t count = static_cast<size_t>(n) * 3;
    for (size_t i = 0; i < count; ++i) {
        const MeshVertex& v = mesh.vertices[i];
        put_float(out, v.x);
        put_float(out, v.y);
        put_float(out, v.z);
    }
    for (size_t i = 0; i < count; ++i) {
        const MeshVertex& v = mesh.vertices[i];
        put_float(out, v.nx);
        put_float(out, v.ny);
        put_float(out, v.nz);
    }
    for (size_t i = 0; i < count; ++i) {
        put_float(out, mesh.vertices[i].s);
        put_float(out, mesh.vertices[i].t);
    }
    return out;
}

std::vector<unsigned char> write_object_file(const std::vector<Mesh>& meshes) {
    std::vector<unsigned char> out;
    out.push_back(0);
    put_u32(out, static_cast<uint32_t>(meshes.size()));
    for (const Mesh& mesh : meshes) {
        const std::vector<unsigned char> rec = write_model_record(mesh, out.size());
        out.insert(out.end(), rec.begin(), rec.end());
    }
    return out;
}
