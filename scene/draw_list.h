#pragma once

#include <cstdint>
#include <vector>

class Model;

// What one model draw does, captured while the scene tree is walked: the
// matrix, the geometry, the texture, the material, the colour and every
// switch of the drawing state it is drawn with. The walk only records; the
// frame then compares what it recorded with the frame before and issues the
// records to GL only when something would come out different.
struct Draw_record {
    double matrix[16];
    double rgba[4];  // alpha 1 for opaque models, white for untinted ones
    const Model* model;
    const unsigned char* vertices;
    const unsigned char* normals;
    const unsigned char* texcoords;
    const unsigned char* material;
    int32_t triangles;
    uint32_t texture;
    uint8_t colored;
    uint8_t alpha_test;
    uint8_t blend;
    uint8_t depth_test;
    uint8_t lighting;
    uint8_t lights;  // bit i: GL_LIGHT1 + i
    uint8_t pad[2];
};

// The drawing state the walk's hooks switch (lighting and its lights, the
// depth test), kept here instead of in GL while the walk only records.
struct Draw_state {
    bool lighting = false;
    bool depth_test = true;
    uint8_t lights = 0;  // bit i: GL_LIGHT1 + i
};
extern Draw_state draw_state;

// Every record of a frame, in drawing order: opaque models as the walk meets
// them, then the blended ones in the order they were queued.
class Draw_list {
public:
    std::vector<Draw_record> records;
    uint64_t resources = 0;  // drawn_resources_generation when recorded
    float light_positions[4][4] = {};  // lights 1 to 4, which behaviours may place

    // Takes note of where the lights stand, after the walk.
    void note_lights();
    void clear();
    void add(const Model& m);
    // Appends the blended models queued during the walk, with their saved state.
    void add_blended(const std::vector<Model*>& queued);
    // A model destroyed before its frame is issued is dropped from it.
    void forget(const Model* m);
    // While a list is open (from its recording to its drawing), a model that
    // is destroyed leaves it at once: its bytes may go with it.
    void open();
    void close();
    static void forget_everywhere(const Model* m);
    // Draws everything in order: opaque models with depth writes, blended
    // ones blended without. Leaves lighting off and the depth test on.
    void issue() const;
    // Window-space bounds (x0, y0, x1, y1, rows from the bottom) of every
    // record, from its geometry; false when empty.
    bool bounds(int out[4]) const;

    bool same_as(const Draw_list& other) const;
};

// The list Model::draw records into; none (null) outside a frame, when
// models keep their matrix and draw nothing.
extern Draw_list* draw_list_target;

// Records a whole tree into a list and issues it at once: for tools that
// draw a tree of their own into the back buffer.
void draw_tree_now(class Object* root);
