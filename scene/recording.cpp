#include "scene/recording.h"

#include "anim/action.h"
#include "scene/draw_blend.h"
#include "scene/object.h"

Recording::Recording(Draw_list& into)
    : into_(into),
      outer_(draw_list_target),
      outer_state_(draw_state),
      outer_object_(Object_curent),
      outer_action_(Action_curent) {
    outer_blended_.swap(draw_blend_models.models);
    into_.clear();
    into_.open();
    draw_list_target = &into_;
    draw_state = Draw_state();
}

void Recording::finish() {
    if (finished_) return;
    finished_ = true;
    into_.add_blended(draw_blend_models.models);
    draw_blend_models.models.clear();
    draw_list_target = nullptr;
}

Recording::~Recording() {
    finish();
    draw_blend_models.models.swap(outer_blended_);
    draw_list_target = outer_;
    // At the top of a frame the walk's last object and action stay current,
    // as they always have; within another recording, the other's come back.
    if (outer_) {
        draw_state = outer_state_;
        Object_curent = outer_object_;
        Action_curent = outer_action_;
    }
}
