// SDL 1.2 has no start-up shim on Linux: the process entry reads the
// settings of the machine and the command line, then hands over to the
// game's own entry point and returns what it returns.
#include "shell/command_line.h"
#include "shell/frame_loop.h"

int main(int argc, char** argv) {
    const int status = take_command_line(argc, argv);
    if (status >= 0) return status;
    return SDL_main();
}
