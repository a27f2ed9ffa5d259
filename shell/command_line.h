#pragma once

#include <vector>

#include "save/machine_config.h"

// The game's command line. Every key of the settings files is an option,
// "--KEY=VALUE" or "--KEY VALUE" ("--window 1024x768", "--quit=no"), over
// the files; besides them:
//   --no-system-config  the machine's files are not read
//   --check-config      the effective settings, each with where it came
//                       from, on standard output; status 0, or 2 when a
//                       file or an option has a fault
//   --help              the options, status 0

struct Command_line {
    bool check_config = false;
    bool no_system_config = false;
    bool help = false;
    std::vector<Setting_option> options;
    std::vector<Setting_fault> faults;  // arguments that are no option at all
};

Command_line parse_command_line(int argc, const char* const* argv);

// Every layer up to the command line's: `machine_files` (unless told
// --no-system-config), `user_file`, then its options. `faults` gets every
// fault in the order they are said: the files', then the command line's by
// position.
Machine_settings effective_settings(const Command_line& c, const std::vector<std::string>& machine_files,
                                    const std::string& user_file, std::vector<Setting_fault>& faults);

// The settings files and the command line read into `machine_settings`,
// each fault said on standard error. -1 when the game is to start, else
// the status to exit with.
int take_command_line(int argc, const char* const* argv);
