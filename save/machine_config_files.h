#pragma once

#include <string>
#include <vector>

#include "save/machine_config.h"

// The settings of a machine and a school read from their files, layer over
// layer: the built-in values, the machine's files (least important first),
// the user's file, then the command line's options. Where the files are is
// the platform's business (res/platform_paths.h).

// Files larger than this are written by no one: refused unread.
constexpr size_t largest_machine_config = 64 * 1024;

// Reads the file at `path` over `into`. A missing file is no fault; one that
// cannot be read (a folder in its place, no permission, larger than
// largest_machine_config) is one fault naming it, and nothing of it is taken.
void read_settings_file_over(const std::string& path, Machine_settings& into, std::vector<Setting_fault>& faults);

// Every layer in order; `machine_files` empty skips the machine's.
Machine_settings layered_settings(const std::vector<std::string>& machine_files, const std::string& user_file,
                                  const std::vector<Setting_option>& options, std::vector<Setting_fault>& faults);
