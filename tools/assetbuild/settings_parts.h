#pragma once

#include "archive_builder.h"

// The main menu's switch rows in "langall.pak" (layout.h, "Main menu", has
// where the game stands them): "setup_switch0".."setup_switch2" (no switch,
// one, two), "setup_speed0".."setup_speed2" (a snail, a walking child, a
// hare) and "setup_choice_cursor", the marker behind the chosen one.
void add_switch_choices(ArchiveBuilder& pak);
