// The static singletons of the game, defined together so that they are
// constructed in this order and destroyed in the reverse one: the archive
// cache outlives everything that may still hand textures back to it.
#include <string>

#include "res/media.h"
#include "scene/color.h"
#include "scene/draw_blend.h"
#include "shell/hits.h"
#include "save/languages.h"

Media media;
Draw_blend draw_blend_models;
Hits hits;
Color mouse_hover_pixel;
std::string languages[5] = {language_codes[0], language_codes[1], language_codes[2], language_codes[3],
                            language_codes[4]};
