#pragma once

#include <vector>

class Model;

// Blended models are queued while the opaque tree is drawn and drawn
// afterwards, in queueing order, without depth writes.
class Draw_blend {
public:
    std::vector<Model*> models;

    void push_model(Model* m) { models.push_back(m); }
    void draw_models();
    // A model that is destroyed while queued must not be drawn any more.
    void forget(const Model* m);
};

extern Draw_blend draw_blend_models;
