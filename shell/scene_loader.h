#pragma once

class Object;

// A request to change the picture on screen: navigation sets novaia_scena
// and then nado_meniat_scenu (and ne_trogat_banki to keep the tubes); the
// scene loader carries it out the next time it is drawn.
extern void (*novaia_scena)(void*);
extern bool nado_meniat_scenu;
extern bool ne_trogat_banki;
extern Object* old_scena;   // root of the picture on screen
extern Object* old_colors;  // root of the tubes on screen

// The scene loader's action: links a new picture root whose first draw runs
// the page builder, retires the old picture and, unless told to keep them,
// rebuilds the tubes under `tube_holder`.
void scena_loader_f(void* tube_holder);

// Back to the first-start request (picture 1, simple, with tubes), nothing
// on screen; for a game started again in the same process.
void reset_scene_requests();
