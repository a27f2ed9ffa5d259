#pragma once

#include <initializer_list>

#include "anim/action.h"

class Object;

// An action as builders make them: id 1, started, running `fun` with `param`.
// A duration of 0.0 runs every frame, -1.0 runs once, else for that many ms.
Action make_action(action_fun fun, double duration = 0.0, void* param = nullptr);

// Creates the next event slot of `object` holding `actions` and returns its number.
int add_slot(Object* object, std::initializer_list<Action> actions);

// Creates slot 0 of a fresh object with `actions` and sends it at once.
void start_slot(Object* object, std::initializer_list<Action> actions);
