#pragma once

// The desktop session ending (SIGTERM) or Ctrl+C in a terminal (SIGINT) ends
// the game the way the quit dialog does, with the progress saved. The
// window's close button stays ignored.
void install_termination_handler();
bool termination_requested();
