#pragma once

#include <vector>

#include "scene/draw_list.h"

class Action;
class Model;
class Object;

// Recording a tree's frame into a draw list. While a Recording lives, what
// the walk draws goes to `into` (cleared and opened first) with a fresh
// drawing state; finish() (or the end of the Recording) adds the blended
// models the walk queued. A recording made in the middle of another (a
// thumbnail drawn during a frame) keeps the other's list, drawing state,
// current object and action and queued blended models aside and puts them
// back when it ends.
class Recording {
public:
    explicit Recording(Draw_list& into);
    ~Recording();
    Recording(const Recording&) = delete;
    Recording& operator=(const Recording&) = delete;

    // The walk is over: its blended models join the list, and nothing more
    // is recorded into it.
    void finish();

private:
    Draw_list& into_;
    Draw_list* outer_;  // the recording this one is made within, or null
    Draw_state outer_state_;
    Object* outer_object_;
    Action* outer_action_;
    std::vector<Model*> outer_blended_;
    bool finished_ = false;
};
