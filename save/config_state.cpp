// The page and colour state: which picture is on screen, which of its regions
// are painted and with what, and the colours the paint tubes carry. Each of
// the four mode/variant combinations keeps its own region table, so switching
// and switching back restores the painting.
#include "save/config.h"

namespace {

const Color white(1.0, 1.0, 1.0);

// Entry `index` of a per-picture table, or null when there is no such entry.
template <class Tables>
auto at_page(Tables& tables, int32_t index) -> decltype(&tables[0]) {
    if (index < 0 || static_cast<size_t>(index) >= tables.size()) return nullptr;
    return &tables[static_cast<size_t>(index)];
}

template <class Table>
auto find_uid(Table& table, int uid) -> decltype(&table[0]) {
    for (auto& record : table)
        if (record.uid == uid) return &record;
    return nullptr;
}

// Replacements first, then the fixed palette; white when neither knows `num`.
Color palette_color(const std::vector<Custom_color>* custom, const std::vector<Custom_color>* fixed, int num) {
    if (custom != nullptr)
        if (const Custom_color* c = find_uid(*custom, num)) return c->color;
    if (fixed != nullptr)
        if (const Custom_color* c = find_uid(*fixed, num)) return c->color;
    return white;
}

}  // namespace

size_t Painting::count() const { return numbered ? numbered->size() : free ? free->size() : 0; }

const Piece_qor* Painting::numbered_region(int uid) const { return numbered ? find_uid(*numbered, uid) : nullptr; }

const Piece* Painting::free_region(int uid) const { return free ? find_uid(*free, uid) : nullptr; }

const Custom_color* Painting::own_colour(int num) const { return own_colours ? find_uid(*own_colours, num) : nullptr; }

Painting Config::painting_at(int32_t index, bool numbers, bool detailed_variant) const {
    Painting p;
    if (numbers) {
        p.numbered = at_page(detailed_variant ? hpieces_qor : pieces_qor, index);
        p.own_colours = at_page(custom_colors_qor, index);
    } else {
        p.free = at_page(detailed_variant ? hpieces : pieces, index);
    }
    return p;
}

Painting Config::painting(int number, bool numbers, bool detailed_variant) const {
    for (size_t i = 0; i < pages.size(); ++i)
        if (pages[i] == number) return painting_at(static_cast<int32_t>(i), numbers, detailed_variant);
    return Painting();
}

bool Config::has_page() const { return page_index >= 0 && static_cast<size_t>(page_index) < pages.size(); }

int Config::get_page() const { return has_page() ? pages[static_cast<size_t>(page_index)] : 0; }

void Config::set_page(int number) {
    for (size_t i = 0; i < pages.size(); ++i) {
        if (pages[i] == number) {
            page_index = static_cast<int32_t>(i);
            return;
        }
    }
    pages.push_back(number);
    pieces.emplace_back();
    hpieces.emplace_back();
    pieces_qor.emplace_back();
    hpieces_qor.emplace_back();
    custom_colors_qor.emplace_back();
    const_colors_qor.emplace_back();
    page_index = static_cast<int32_t>(pages.size() - 1);
}

void Config::drop_page(int number) {
    for (size_t i = pages.size(); i-- > 0;) {
        if (pages[i] != number) continue;
        const auto at = static_cast<std::ptrdiff_t>(i);
        pages.erase(pages.begin() + at);
        pieces.erase(pieces.begin() + at);
        hpieces.erase(hpieces.begin() + at);
        pieces_qor.erase(pieces_qor.begin() + at);
        hpieces_qor.erase(hpieces_qor.begin() + at);
        custom_colors_qor.erase(custom_colors_qor.begin() + at);
        const_colors_qor.erase(const_colors_qor.begin() + at);
        if (page_index == static_cast<int32_t>(i))
            page_index = -1;
        else if (page_index > static_cast<int32_t>(i))
            --page_index;
    }
}

std::vector<Custom_color>* Config::active_custom() {
    return by_numbers ? at_page(custom_colors_qor, page_index) : &custom_colors;
}
std::vector<Custom_color>* Config::active_const() {
    return by_numbers ? at_page(const_colors_qor, page_index) : &const_colors;
}
const std::vector<Custom_color>* Config::active_custom() const {
    return by_numbers ? at_page(custom_colors_qor, page_index) : &custom_colors;
}
const std::vector<Custom_color>* Config::active_const() const {
    return by_numbers ? at_page(const_colors_qor, page_index) : &const_colors;
}

bool Config::get_color_state(int uid) const {
    const Painting p = painting_at(page_index, by_numbers, detailed);
    return p.numbered_region(uid) || p.free_region(uid);
}

bool Config::is_clean() const { return page_index == -1 || painting_at(page_index, by_numbers, detailed).count() == 0; }

bool Config::is_finish() const {
    return page_index == -1 || static_cast<long long>(painting_at(page_index, by_numbers, detailed).count()) == quality;
}

Color Config::get_color(int uid) const {
    const Painting p = painting_at(page_index, by_numbers, detailed);
    if (const Piece_qor* record = p.numbered_region(uid)) return get_color_qor_by_uid(record->num);
    if (const Piece* record = p.free_region(uid)) return record->color;
    return white;
}

// Always the picture's own palette, whichever mode is on.
Color Config::get_color_qor_by_uid(int num) const {
    return palette_color(at_page(custom_colors_qor, page_index), at_page(const_colors_qor, page_index), num);
}

Color Config::get_custom_color(int num) const { return palette_color(active_custom(), active_const(), num); }

bool Config::exist_custom_colors() const {
    if (page_index == -1) return false;
    const std::vector<Custom_color>* table = active_custom();
    return table != nullptr && !table->empty();
}

void Config::set_color(int uid, Color color, int num) {
    if (by_numbers) {
        auto* table = at_page(detailed ? hpieces_qor : pieces_qor, page_index);
        if (table == nullptr) return;
        if (Piece_qor* record = find_uid(*table, uid))
            record->num = num;
        else
            table->push_back(Piece_qor{uid, num});
        return;
    }
    auto* table = at_page(detailed ? hpieces : pieces, page_index);
    if (table == nullptr) return;
    Piece* record = find_uid(*table, uid);
    if (record == nullptr)
        table->push_back(Piece{uid, color});
    else if (color.eq(white))
        table->erase(table->begin() + (record - table->data()));
    else
        record->color = color;
}

void Config::clear_color() {
    if (by_numbers) {
        if (auto* table = at_page(detailed ? hpieces_qor : pieces_qor, page_index)) table->clear();
    } else {
        if (auto* table = at_page(detailed ? hpieces : pieces, page_index)) table->clear();
    }
}

void Config::clearall_color() {
    for (auto& table : hpieces_qor) table.clear();
    for (auto& table : hpieces) table.clear();
    for (auto& table : pieces_qor) table.clear();
    for (auto& table : pieces) table.clear();
}

void Config::set_custom_color(int num, Color color) {
    if (std::vector<Custom_color>* table = active_custom()) set_color_in_vector_by_uid(num, color, *table);
}

void Config::set_const_color(int num, Color color) {
    if (std::vector<Custom_color>* table = active_const()) set_color_in_vector_by_uid(num, color, *table);
}

void Config::reset_custom_colors() {
    if (std::vector<Custom_color>* table = active_custom()) table->clear();
}

void set_color_in_vector_by_uid(int uid, Color color, std::vector<Custom_color>& table) {
    if (Custom_color* record = find_uid(table, uid))
        record->color = color;
    else
        table.push_back(Custom_color{uid, color});
}
