#pragma once

#include <cstdint>

// Milliseconds since SDL started, sampled once at the start of every frame so
// that every action of a frame sees the same time.
extern uint32_t CURENT_TIME;
