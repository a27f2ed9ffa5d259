#pragma once

#include <string>

class Object;

// Builds one of the named views under the game's two roots; false for an
// unknown name. `language` 0 to 4 picks the language archive.
//   base       the base screen in paint by numbers: background, buttons (the gallery's and the
//              camera's in the top row's gap), tubes, a picture, bubbles, brush
//   free       the same in free colouring (18 tubes)
//   menu       the main menu over the base screen
//   about      the about dialog over the main menu
//   clearall   the clear-all dialog over the main menu
//   exit       the quit confirmation
//   clear      the clear-picture confirmation
//   help       the help screen
//   colors     the custom colour dialog
//   gallery    the gallery's first page, with marks and the count
//   closeup    a tube of each kind, bubbles and the brush, large
bool build_scene(const std::string& name, int language, Object* map, Object* cursor);
