#pragma once

#include "archive_builder.h"
#include "texts.h"

// The pieces of a language archive.
void add_help_picture(ArchiveBuilder& pak, const LanguageTexts& t);  // "help_bg"
void add_mode_buttons(ArchiveBuilder& pak, const LanguageTexts& t);  // "help_mode1".."help_mode3"
