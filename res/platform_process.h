#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <vector>

// Our own commands, run as child processes: pintabo-sheets for a printable
// sheet, pintabo-import for a picture of the child's own. Never through a
// shell: the arguments reach the program as they are.

// The path of a program installed beside the game's executable.
std::string program_beside_game(const char* name);
// Whether `path` is a program we may run.
bool access_program(const std::string& path);

// Runs `program` with `args` and waits for it: standard input from
// /dev/null, each line it writes to standard output handed to `on_line` as
// it comes (may be empty), its standard error gathered into `errors` (last
// 4 KiB). Returns its exit status, or -1 when it could not be started or was
// ended by a signal. While it runs, `running` (when given) holds its process
// id, so another thread may end it. Safe to call from any thread.
int run_program(const std::string& program, const std::vector<std::string>& args,
                const std::function<void(const std::string&)>& on_line, std::string& errors,
                std::atomic<int>* running = nullptr);
