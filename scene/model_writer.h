#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The writing side of object files and model records, for the asset builder
// and for tests that need artwork of their own.

struct MeshVertex {
    float x = 0, y = 0, z = 0;     // position
    float nx = 0, ny = 0, nz = 1;  // normal
    float s = 0, t = 0;            // texture coordinate (t = 0 is the image's top row)
};

struct MeshMaterial {
    bool alpha_test = false;  // fragments with alpha <= 0.9 are discarded
    bool blend = false;       // drawn after the opaque scene, blended, no depth writes
    float ambient[4] = {0.8f, 0.8f, 0.8f, 1.0f};
    float diffuse[4] = {0.8f, 0.8f, 0.8f, 1.0f};
    float specular[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float shininess = 0.0f;
};

// One model record: a texture name (an image entry of the same archive, or a
// generated texture whose name has '#' as its second character), a material
// and triangles (three vertices each, counter-clockwise seen from the front).
struct Mesh {
    std::string texture;
    MeshMaterial material;
    std::vector<MeshVertex> vertices;  // size is a multiple of 3

    void triangle(const MeshVertex& a, const MeshVertex& b, const MeshVertex& c) {
        vertices.push_back(a);
        vertices.push_back(b);
        vertices.push_back(c);
    }
};

// A whole model record that will start at byte `at` of its object file. The
// name field is padded with NULs so that the float arrays that follow start
// on a 4-byte boundary of the file.
std::vector<unsigned char> write_model_record(const Mesh& mesh, size_t at);

// A whole object file: marker byte 0, the model count, the records.
std::vector<unsigned char> write_object_file(const std::vector<Mesh>& meshes);
