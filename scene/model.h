#pragma once

#include <cstdint>
#include <string>

struct MeshRecord;

// One textured triangle mesh, read in place from a record of an object file
// (the layout is in scene/model_record.h).
class Model {
public:
    double rgba[4] = {1.0, 1.0, 1.0, 1.0};
    bool colored = false;
    const unsigned char* material = nullptr;
    bool saved_depth_test = false;
    bool saved_lighting = false;
    bool saved_lights[8] = {};
    int triangle_count = 0;
    const unsigned char* vertices = nullptr;
    const unsigned char* normals = nullptr;
    const unsigned char* texcoords = nullptr;
    std::string texture_source;
    const char* texture_name = nullptr;
    unsigned texture = 0;
    bool generated = false;  // the texture is computed (texturebase), not an archive image
    double matrix[16] = {};

    Model() = default;
    ~Model();
    Model(const Model&) = delete;
    Model& operator=(const Model&) = delete;

    // Reads the record at *pos (never past `end`) and advances *pos past it.
    // Returns false, taking no texture, when the record does not fit.
    bool load(const unsigned char** pos, const unsigned char* end, const char* pak);
    // Takes a record read whole, and its texture.
    void load(const MeshRecord& record, const char* pak);

    void setcolor(double r, double g, double b, double a);
    // Keeps the current matrix and records the model into the frame's draw
    // list (a blended one into the blended queue).
    void draw();
    void draw_for_hit_test() const;
    void draw_only_grab_matrix();
    // The model's bounds in its own coordinates: min x, y, z, max x, y, z.
    void box(float out[6]) const;
    // Shows a texture someone else owns (a picture drawn for the gallery)
    // instead of its own, which it keeps and gives back as usual; 0 shows
    // its own again.
    void show_texture(unsigned other);

    static constexpr size_t header_size = 69;  // with L = 0 and N = 0

    bool alpha_tested() const { return material && material[0] != 0; }
    bool blended() const { return material && material[1] != 0; }

private:
    unsigned own_texture_ = 0;
    bool borrowing_ = false;
    mutable float box_[6] = {};
    mutable bool box_known_ = false;
};
