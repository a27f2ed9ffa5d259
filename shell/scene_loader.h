#pragma once

class Object;

// A request to change the picture on screen: novaia_scena (the builder to
// run), nado_meniat_scenu (a change is asked for) and ne_trogat_banki (keep
// the tubes); the scene loader carries it out the next time it is drawn.
// Only request_picture() writes them, in the one right order.
extern void (*novaia_scena)(void*);
extern bool nado_meniat_scenu;
extern bool ne_trogat_banki;

// What a change of picture keeps of the screen: nothing (the tubes made
// anew for the picture, a clean brush), the tubes, or the tubes and the
// brush's paint.
enum class Keeping { nothing, tubes, tubes_and_brush };

// The one way to ask for a picture (1 to 20, or one of the child's own) in
// a variant. Requests of one frame add up: the last picture asked for is
// built, and what an earlier request wanted kept is forgotten when a later
// one asks for another picture than the one on screen.
void request_picture(int number, bool detailed, Keeping keep);
// The picture asked for last (the one on screen, when nothing else was),
// built again: after a clear or a change of mode.
void request_picture_again(Keeping keep);
// The picture and variant asked for last, which the builders build.
int requested_picture();
bool requested_detailed();
extern Object* old_scena;   // root of the picture on screen
extern Object* old_colors;  // root of the tubes on screen

// The scene loader's action: links a new picture root whose first draw runs
// the page builder, retires the old picture and, unless told to keep them,
// rebuilds the tubes under `tube_holder`.
void scena_loader_f(void* tube_holder);

// Back to the first-start request (picture 1, simple, with tubes), nothing
// on screen; for a game started again in the same process.
void reset_scene_requests();
