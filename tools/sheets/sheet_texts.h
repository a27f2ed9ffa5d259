#pragma once

#include <string>

#include "save/languages.h"

// The words printed on a sheet, in the game's five languages.

constexpr int sheet_language_count = language_count;

// The language's two-letter code ("en", "de", "es", "ru", "fr"), or -1 when
// `code` names none of them.
int sheet_language(const std::string& code);

// The title line: "Paint by numbers: picture 9" with the variant named when
// it is the detailed one.
std::string sheet_title(int language, int picture, bool detailed);

// The same for one of the child's own pictures, its name in place of
// "picture 9".
std::string sheet_title_named(int language, const std::string& name, bool detailed);
