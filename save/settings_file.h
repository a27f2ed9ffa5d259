#pragma once

#include <string>

class Config;

// The settings file exactly as Config::save writes it.
std::string settings_bytes(const Config& c);

// Writes the settings file at `path` without ever leaving it half written:
// the bytes go to a temporary file in the same folder, which is flushed to
// disk and then renamed over the old file. Missing folders on the way are
// created. When the file read at start was damaged, the damaged original is
// first kept beside it as `path` + ".bak". On failure the old file is left as
// it was, one line naming the file and the reason goes to standard error, and
// false is returned.
bool save_settings_file(const Config& c, const std::string& path);
