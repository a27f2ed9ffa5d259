#pragma once

// What the child sees of a keepsake: a short white flash and the shutter
// sound when the picture is saved, a "no" shake of the button that asked
// when it could not be.

// Set when a keepsake failed; the button that asked shakes and clears it.
extern bool camera_shake_pending;
extern bool print_shake_pending;

// Endless, on the interface-button builder: takes the outcome of each
// keepsake as it ends.
void watch_keepsakes_f(void* param);

// Endless, on a button (param: its pending flag): shakes the button from
// side to side for 0.4 s once the flag is set.
void shake_no_f(void* pending);
