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

    // Candidates that answer a fingertip: a button's answering area is its
    // box grown to at least fingertip_px square (at 1024x768, in proportion
    // to the window's height), and where such areas meet the nearer middle
    // wins, so no two overlap. The artwork stays as it is.
    std::vector<Object*> grown;
    static constexpr double fingertip_px = 44.0;
    // The answering area of a grown candidate in the window now.
    // Its depth too: nearer areas (a dialog's) come before those behind.
    static bool grown_area(const Object* o, double& x0, double& y0, double& x1, double& y1, double* depth = nullptr);

    // The next pick answers `o`, wherever the pointer is: a key or a switch
    // chose it. Its click comes with the frame after.
    void aim_at(Object* o) { aimed_ = o; }

    bool pick_known = false;   // cleared to force the next pass
    unsigned long passes = 0;  // selection passes made, for the benchmarks

private:
    void remember_pick(std::vector<double>& into) const;
    Object* grown_under(double px, double py) const;
    Object* aimed_ = nullptr;
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
// The same for a button, whose answering area grows to a fingertip.
void mouse_select_grown(int phase, void* param);
// Whether `o` takes clicks (runs either of the two).
bool is_pickable(const Object* o);
bool is_hit_layer0();
bool is_hit_layer1();
