#pragma once

#include <cstdint>
#include <fstream>
#include <vector>

#include "scene/color.h"

// A region painted in free colouring: its id within the picture and the colour.
struct Piece {
    int32_t uid = 0;
    Color color;
};

// A region painted in paint-by-numbers mode: its id and the 0-based colour
// number painted into it (the colour itself comes from the picture's palette).
struct Piece_qor {
    int32_t uid = 0;
    int32_t num = 0;
};

// One palette entry: the 0-based colour number (tube index) and its colour.
struct Custom_color {
    int32_t uid = 0;
    Color color;
};

// The painting of one picture in one mode and variant, as the settings'
// tables hold it: which regions are painted and with what. A view into the
// tables, valid until they change.
struct Painting {
    const std::vector<Piece_qor>* numbered = nullptr;         // by numbers: region and colour number
    const std::vector<Piece>* free = nullptr;                 // free colouring: region and colour
    const std::vector<Custom_color>* own_colours = nullptr;   // by numbers: the child's colours for the tubes

    // How many regions are painted.
    size_t count() const;
    // The record of region `uid`, or null when it is not painted (or the
    // painting is of the other mode).
    const Piece_qor* numbered_region(int uid) const;
    const Piece* free_region(int uid) const;
    // The child's own colour for tube `num` (0-based), or null.
    const Custom_color* own_colour(int num) const;
};

// The language archives, indexed by Config::language.
extern const char* const packnames[5];

// Everything the game remembers between runs: options, language, and the
// painting progress of every picture in each of the four mode/variant
// combinations, plus the palettes and the user's replacement colours.
//
// Invariant: the six per-picture tables always have one entry per element of
// `pages`, entry i belonging to picture pages[i].
class Config {
public:
    bool help_on_start;
    bool sound_on;
    bool music_on;
    bool by_numbers;
    bool detailed;
    int32_t quality;     // regions of the picture on screen; never stored
    int32_t language;    // 0 English, 1 German, 2 Spanish, 3 Russian, 4 French
    int32_t page_index;  // index into pages of the picture on screen, or -1
    std::vector<int32_t> pages;
    std::vector<std::vector<Piece>> pieces;              // free colouring, simple
    std::vector<std::vector<Piece>> hpieces;             // free colouring, detailed
    std::vector<std::vector<Piece_qor>> pieces_qor;      // by numbers, simple
    std::vector<std::vector<Piece_qor>> hpieces_qor;     // by numbers, detailed
    std::vector<std::vector<Custom_color>> const_colors_qor;   // never stored
    std::vector<std::vector<Custom_color>> custom_colors_qor;
    std::vector<Custom_color> const_colors;                    // never stored
    std::vector<Custom_color> custom_colors;

    // Set by the reading constructor when the file ended early, held a count
    // or length it could not hold, named a current picture it does not list,
    // was of another version, or could not be read at all. Not stored; the
    // saver then keeps the file as a backup instead of writing over it.
    bool damaged = false;

    // Switch scanning, for a child who plays with one or two switches: 0 off,
    // 1 one switch (the highlight steps by itself), 2 two switches (one
    // steps, one chooses); the step's pace, 0 slow to 2 fast. Kept in the
    // file's reserved block (save/settings_extras.h).
    int32_t switch_scanning = 0;
    int32_t scan_speed = 1;

    Config();
    // Reads a settings file from its start. A damaged file keeps everything
    // read before the fault, pictures only as whole blocks.
    explicit Config(std::ifstream& file);
    // The same from the file's bytes.
    Config(const unsigned char* data, size_t size);

    // Writes the whole object in the settings file layout.
    void save(std::ofstream& out) const;
    // Options back to their first-run values (only with false); with either
    // value, no current picture. Progress is left alone.
    void set_default(bool keep_options);

    const char* langpak() const;
    int get_language() const { return language; }
    // The language as an index into the five language tables: a number
    // outside 0 to 4 (a damaged or future file) counts as English; the
    // stored value is kept as it is.
    int language_index() const { return language >= 0 && language <= 4 ? language : 0; }
    void set_language(int l) { language = l; }
    int get_quality() const { return quality; }
    void set_quality(int q) { quality = q; }

    int get_page() const;
    void set_page(int number);
    // Forgets every record of picture `number` (one that is gone); the
    // picture on screen stays the same one, or none when it was this.
    void drop_page(int number);

    // The one look-up of progress: the painting of picture `number` in a
    // mode and variant (nothing painted when the settings know no such
    // picture).
    Painting painting(int number, bool numbers, bool detailed_variant) const;

    bool get_color_state(int uid) const;
    bool is_clean() const;
    bool is_finish() const;
    Color get_color(int uid) const;
    Color get_color_qor_by_uid(int num) const;
    Color get_custom_color(int num) const;
    bool exist_custom_colors() const;

    void set_color(int uid, Color color, int num);
    void clear_color();
    void clearall_color();
    void set_custom_color(int num, Color color);
    void set_const_color(int num, Color color);
    void reset_custom_colors();

private:
    bool has_page() const;
    std::vector<Custom_color>* active_custom();
    std::vector<Custom_color>* active_const();
    const std::vector<Custom_color>* active_custom() const;
    const std::vector<Custom_color>* active_const() const;
    Painting painting_at(int32_t index, bool numbers, bool detailed_variant) const;
    void read_bytes(const unsigned char* data, size_t size);
};

// Replaces the colour of the first record with this id, or appends one.
void set_color_in_vector_by_uid(int uid, Color color, std::vector<Custom_color>& table);

extern Config* conf;
