#pragma once

#include <cstdint>

// Milliseconds since SDL started, sampled once at the start of every frame so
// that every action of a frame sees the same time.
extern uint32_t CURENT_TIME;

// Where the frame's time is sampled from: SDL's ticks in the game; a test may
// put a clock of its own here that steps by a fixed amount per frame, so two
// runs see exactly the same times.
extern uint32_t (*frame_clock)();
