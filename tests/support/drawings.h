#pragma once

#include <string>

// A child's drawing for pintabo-import: three discs in bright colours on a
// pale ground, 480 by 360, written as a PNG to `path`; `shift` moves the
// discs and turns their colours, so each shift is another picture.
void write_discs_drawing(const std::string& path, int shift = 0);
