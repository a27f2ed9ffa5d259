#pragma once

// The game's five languages, by their number (the settings' `language`):
// 0 English, 1 German, 2 Spanish, 3 Russian, 4 French. Their two-letter
// codes are what pintabo-sheets takes, web addresses carry and screenshot
// folders are named; their archives are `packnames`.
constexpr int language_count = 5;
constexpr const char* language_codes[language_count] = {"en", "de", "es", "ru", "fr"};
