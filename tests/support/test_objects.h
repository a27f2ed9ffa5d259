#pragma once

#include "anim/action.h"

class Object;

// Takes a tree down the way the game does at exit: marks the root deleted and
// draws it until it is dead, which frees every object below it. Returns the
// number of frames that took (at most 100).
int dismantle(Object& root);

// A new object whose slot 0 holds one endless action running `fun`, already
// sent; the caller links it somewhere or frees it.
Object* object_running(action_fun fun);
