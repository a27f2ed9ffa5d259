#pragma once

#include <string>

// The game's only messages: single lines on standard error, for a parent or
// a school's administrator reading a terminal or the session's log.

// "pintabo: " and `what` as one line, every time.
void say(const std::string& what);

// Says `line` (without its newline) as it is, unless this very line was
// said before in this run. Safe from any thread.
void say_once(const std::string& line);
