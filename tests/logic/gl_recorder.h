#pragma once

#include <string>
#include <vector>

// The logic tests link their own definitions of the matrix calls, which take
// precedence over the GL library: every call is written down here instead of
// being made, so a test can check exactly which calls happened, in order.
namespace gl_recorder {

std::vector<std::string>& calls();
void clear();
// The calls joined with "; ", e.g. "translate 1 2 3; rotate 90 1 0 0".
std::string joined();

}  // namespace gl_recorder
