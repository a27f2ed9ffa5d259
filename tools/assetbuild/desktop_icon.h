#pragma once

#include "common/image.h"

// The game's icon for the desktop: a painter's palette and a brush on a
// rounded sky-blue tile.
Image make_desktop_icon(int size);
