// SDL 1.2 has no start-up shim on Linux: the process entry hands over to the
// game's own entry point and returns what it returns.
#include "shell/frame_loop.h"

int main(int, char**) { return SDL_main(); }
