#pragma once

#include <cstdint>

#include "game/randname.h"
#include "scene/color.h"

class Object;

// The finishing celebration: twelve bursts of bubbles 200 ms apart, each
// launched by the tube whose number color_effect_num names.
extern bool shot;                // a burst may be launched now
extern int32_t color_effect_num; // 1-based tube that launches the next burst
extern int32_t effect_quality;   // bursts still to launch
extern Randname<int32_t> color_effect_order;  // tube numbers still to draw from

// Starts the chain: the first burst comes from `tube` (1-based), the other
// eleven from the tube numbers 1..tubes cycled to twelve and drawn at random.
void start_completion_effect(int tube, int tubes);

// One burst in the launching tube's colour, under the picture root `root`:
// a 200 ms timer and 50 bubbles. Draws the next launching tube.
void launch_burst(Color colour, Object* root);

// The five bubble models of "interface.pak".
Randname<const char*> bubble_names();

void shot_flag_f(void* param);   // timer of a burst
void last_effect_f(void* param); // a burst bubble; dparam1 is its lifetime in ms
void zoom_f(void* param);        // a click bubble shrinks
