#pragma once

#include <string>

class Config;

// Options that came after the settings file's layout was fixed (how a
// switch user plays), kept in the file's reserved block, which every reader
// of the file skips: an older game reads the file as it always did (its
// first save then drops them). The block is the line "pintabo options 1"
// and one "key=value" line per option that is not at its default; a block
// of any other shape (written by someone else) is left unread.

// The block for `c`; empty when every option is at its default.
std::string settings_extras(const Config& c);

// Takes the options from a reserved block into `c`; unknown keys and bad
// values are passed over.
void read_settings_extras(const std::string& block, Config& c);
