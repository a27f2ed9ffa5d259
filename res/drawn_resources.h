#pragma once

#include <cstdint>

// Counts every change to what the drawing reads through handles rather than
// values: a texture made, rewritten or deleted, an archive's bytes loaded or
// freed. A frame that draws the same records with the same count draws the
// same pixels; a handle that was freed and handed out again (a texture name,
// an address) bumps the count on the way.
extern uint64_t drawn_resources_generation;
inline void drawn_resources_changed() { ++drawn_resources_generation; }
