#pragma once

#include "archive_builder.h"
#include "texts.h"

// The artwork of "who is painting?" and of the parent's gate. The game
// stands these widgets at the same sizes (ui/profile_picker.cpp,
// ui/parent_gate.cpp).
namespace profile_art {
constexpr double disc_radius = 0.85;   // a child's round picture
constexpr double small_radius = 0.45;  // the picker's add and remove discs
constexpr double key_radius = 0.42;    // a number key of the gate
constexpr double name_width = 2.0;     // the plate of a child's name under the picture
}  // namespace profile_art

constexpr int profile_looks = 8;  // animals, and colours

// "langall.pak": "profile_disc0".."7", "profile_animal0".."7",
// "profile_add", "profile_remove", "profile_edit", "profile_name_plate",
// "gate_key1".."9".
void add_profile_artwork(ArchiveBuilder& pak);

// The words of the gate, per language.
struct GateTexts {
    const char* title;              // asks a grown-up to press the numbers
    const char* numbers[9];         // one .. nine
    const char* remove_question;    // before a child leaves the list
    const char* remove_warning;
};
extern const GateTexts gate_texts[5];  // in the order of language_texts

// A language archive's "gate", "gate_word1".."9" and "menu_remove_profile".
void add_gate_texts(ArchiveBuilder& pak, const GateTexts& t);
