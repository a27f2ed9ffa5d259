#pragma once

#include "archive_builder.h"
#include "button_art.h"
#include "texts.h"

// The pieces of a language archive.
void add_help_picture(ArchiveBuilder& pak, const LanguageTexts& t);  // "help_bg"
void add_mode_buttons(ArchiveBuilder& pak, const LanguageTexts& t);  // "help_mode1".."help_mode3"
// A question beside a picture of the button that asked it, with a warning
// under it when `detail` is not null (a dialog's text, "menu_*").
void add_question(ArchiveBuilder& pak, const char* name, ButtonIcon icon, const char* question, const char* detail);
