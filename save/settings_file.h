#pragma once

#include <string>

#include "res/say.h"

class Config;

// The settings file exactly as Config::save writes it.
std::string settings_bytes(const Config& c);

// Reads the whole settings file at `path` into `bytes` without ever throwing.
// Refuses what is not a regular file (a folder, a pipe, a device: EISDIR or
// EINVAL) and files larger than any settings file can be (EFBIG), so neither
// blocks nor exhausts memory. On failure `error` holds the errno value and
// `bytes` is empty; a missing file gives ENOENT. `largest` (in bytes) is
// the size refused beyond; 0 for that of the progress file.
bool read_settings_file(const std::string& path, std::string& bytes, int& error, size_t largest = 0);

// The game's start: the settings at `path` as an object, the defaults when
// there is no file. A file that exists but cannot be read is said once on
// standard error and marked damaged, so the first save keeps it as a backup
// instead of writing over it.
Config* load_settings_file(const std::string& path);

// Writes `bytes` as the settings file at `path` without ever leaving it half
// written: the bytes go to a temporary file in the same folder, which is
// flushed to disk and then renamed over the old file. Missing folders on the
// way are created. With `keep_old`, the file that is there now (one the game
// could not read whole) is first kept beside it as `path` + ".bak"; without
// room for that backup nothing is replaced. On failure the old file is left
// as it was, one line naming the file and the reason goes to standard error
// (the same line only once per run), and false is returned.
bool save_settings_bytes(const std::string& path, const std::string& bytes, bool keep_old);

// The same for a settings object; keeps the old file when `c.damaged`.
bool save_settings_file(const Config& c, const std::string& path);
