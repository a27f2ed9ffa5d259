#include "sheet_texts.h"

#include <cstdio>

#include "save/languages.h"

namespace {

struct SheetTexts {
    const char* simple;    // printf format taking the picture number
    const char* detailed;
};

// The game's own names for the mode and the pictures. French keeps its space
// before the colon as a no-break space.
const SheetTexts texts[sheet_language_count] = {
    {"Paint by numbers: picture %d", "Paint by numbers: picture %d, detailed"},
    {"Malen nach Zahlen: Bild %d", "Malen nach Zahlen: Bild %d, detailliert"},
    {"Pintar por números: dibujo %d", "Pintar por números: dibujo %d, detallado"},
    {"Раскраска по номерам: картинка %d", "Раскраска по номерам: картинка %d, подробная"},
    {"Coloriage par numéros\u00a0: dessin %d", "Coloriage par numéros\u00a0: dessin %d, détaillé"},
};

}  // namespace

int sheet_language(const std::string& code) {
    for (int i = 0; i < sheet_language_count; ++i)
        if (code == language_codes[i]) return i;
    return -1;
}

std::string sheet_title(int language, int picture, bool detailed) {
    const SheetTexts& t = texts[language];
    char line[160];
    std::snprintf(line, sizeof line, detailed ? t.detailed : t.simple, picture);
    return line;
}

std::string sheet_title_named(int language, const std::string& name, bool detailed) {
    const SheetTexts& t = texts[language];
    const std::string format = detailed ? t.detailed : t.simple;
    // Every format reads "<mode>: <word> %d[, <variant>]"; the name takes
    // the place of "<word> %d".
    const size_t number = format.find("%d");
    const size_t word = format.rfind(' ', number - 2);
    return format.substr(0, word + 1) + name + format.substr(number + 2);
}
