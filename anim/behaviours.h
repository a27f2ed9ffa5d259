#pragma once

// Reusable action behaviours. Each reads its parameters from the running
// record (Action_curent) and works on the object being drawn (Object_curent).
// Axis numbers in iparam1: 0 x, 1 y, 2 z; any other value does nothing.
// The plain variants write the per-frame offset, so they compute an absolute
// displacement from the action's time; the _global ones change the object's
// own transform by one frame's step and reset the time.

extern float LightPosition[4];

void set_light(void* param);
void die_after_msec(void* param);
void move_sin(void* param);
void move_linear(void* param);
void move_linear_global(void* param);
void move_exp(void* param);
void rot_linear(void* param);
void rot_linear_global(void* param);
void rot_sin(void* param);
void send_command_after_msec(void* param);

void mac_reinit_function_lib_static_variables();
