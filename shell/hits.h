#pragma once

#include <GL/gl.h>

#include <vector>

class Object;

// Finds the clickable object under the pointer: objects with the hook
// mouse_select enter themselves as candidates while the frame is drawn; after
// the swap the candidates that may lie under the pointer (their bounds say)
// are redrawn in selection mode through a 2x2-pixel region around the
// pointer, and the nearest wins (the earlier on a tie). When the pointer, the
// candidates and their matrices are all as at the last pick, the answer
// stands without a pass. Handlers see the result during the next frame.
class Hits {
public:
    GLuint select_buffer[512] = {};
    std::vector<Object*> candidates;
    Object* hit = nullptr;  // only compared, never dereferenced

    Hits() = default;

    void test_hit();
    void recalc();
    bool is_hit() const;

    bool pick_known = false;   // cleared to force the next pass
    unsigned long passes = 0;  // selection passes made, for the benchmarks

private:
    void remember_pick(std::vector<double>& into) const;
    std::vector<double> last_pick_, next_pick_;
};

extern Hits hits;
extern bool hits_layer1;  // a first-level menu or dialog is open
extern bool hits_layer2;  // a second-level dialog is open
// A panel is in its first moments or vanishing: menu clicks and keys are refused.
extern bool menu_block;

// The one test of a click, for the object being drawn: it was clicked this
// frame, on any layer (the caller gates the layer itself)...
bool clicked_here();
// ...or on `layer`: 0 the base screen (no menu or dialog open), 1 a
// first-level menu or dialog with none over it, 2 a second-level dialog;
// never on a panel that is still moving (layers 1 and 2).
bool clicked_on_layer(int layer);

void mouse_select(int phase, void* param);
bool is_hit_layer0();
bool is_hit_layer1();
