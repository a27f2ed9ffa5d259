#pragma once

// Drawing hooks for Object::addfun; the pointer argument is ignored.
void disable_depth_test(int phase, void* param);
void disable_light(int phase, void* param);
// The object's own models face the viewer: unrotated and unscaled.
void face_on_top(int phase, void* param);
