#pragma once

// Every word the game shows, in its five languages. French keeps its space
// before ? ! and : as a no-break space, so a line never starts with them.

struct LanguageTexts {
    const char* archive;  // "langen.pak"
    // Main menu.
    const char* settings;
    const char* numbers;
    const char* detailed;
    const char* sound;
    const char* music;
    const char* language;
    const char* about_button;
    const char* clearall_button;
    const char* web_button;
    // About dialog.
    const char* about_line;
    const char* about_age;
    const char* version;
    const char* facebook;
    const char* twitter;
    const char* close;
    // Confirmations.
    const char* exit_question;
    const char* clear_question;
    const char* clearall_question;
    const char* clearall_warning;
    const char* ok;
    const char* cancel;
    // Help screen.
    const char* help_title;
    const char* show_at_start;
    const char* modes[3];
    const char* tip_colour;
    const char* tip_undo;
    const char* tip_clear;
    const char* tip_tubes;
    const char* tip_pages;
    const char* tip_menu;
    const char* tip_help;
    const char* tip_quit;
    // Gallery and keepsakes.
    const char* gallery_title;
    const char* print_button;
    // The main menu's switch rows: their names and the word under each picture.
    const char* switches;
    const char* switch_words[3];  // none, one switch, two switches
    const char* speed;
    const char* speed_words[3];   // slow, medium, fast
    // The help screen's legend of the other buttons, and the keys' names
    // that differ from keyboard to keyboard.
    const char* tip_gallery;
    const char* tip_camera;
    const char* key_page_up;
    const char* key_page_down;
};

// English, German, Spanish, Russian, French: the game's language numbers.
extern const LanguageTexts language_texts[5];
