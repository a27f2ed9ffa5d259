#pragma once

#include "archive_builder.h"
#include "scene/model_writer.h"
#include "texts.h"

// Pieces of the help screen's picture ("help_bg"), each one model of it.

// The row of keys under the panel, at layout::help_keys_card.
Mesh help_keys_model(ArchiveBuilder& pak, const LanguageTexts& t);
