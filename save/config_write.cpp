#include <sstream>

#include "save/byte_io.h"
#include "save/config.h"
#include "save/settings_extras.h"
#include "save/settings_file.h"

namespace {

template <class Record>
void put_colour_records(std::ostream& out, const std::vector<Record>& table) {
    put_i32(out, static_cast<int32_t>(table.size()));
    for (const Record& r : table) {
        put_i32(out, r.uid);
        put_f64(out, r.color.r);
        put_f64(out, r.color.g);
        put_f64(out, r.color.b);
    }
}

void put_number_records(std::ostream& out, const std::vector<Piece_qor>& table) {
    put_i32(out, static_cast<int32_t>(table.size()));
    for (const Piece_qor& r : table) {
        put_i32(out, r.uid);
        put_i32(out, r.num);
    }
}

// Entry i of a per-picture table; an empty one should the table ever be short.
template <class Table>
const typename Table::value_type& entry(const Table& tables, size_t i) {
    static const typename Table::value_type none;
    return i < tables.size() ? tables[i] : none;
}

void write_settings(std::ostream& out, const Config& c) {
    put_i32(out, 1);  // version
    // The reserved block, which older games skip, holds the newer options.
    const std::string extras = settings_extras(c);
    put_i32(out, static_cast<int32_t>(extras.size()));
    out << extras;
    put_flag(out, c.help_on_start);
    put_flag(out, c.sound_on);
    put_flag(out, c.music_on);
    put_i32(out, c.language);
    put_flag(out, c.by_numbers);
    put_flag(out, c.detailed);
    put_colour_records(out, c.custom_colors);
    put_i32(out, c.page_index);
    put_i32(out, static_cast<int32_t>(c.pages.size()));
    for (size_t i = 0; i < c.pages.size(); ++i) {
        put_i32(out, c.pages[i]);
        put_colour_records(out, entry(c.custom_colors_qor, i));
        put_number_records(out, entry(c.pieces_qor, i));
        put_number_records(out, entry(c.hpieces_qor, i));
        put_colour_records(out, entry(c.pieces, i));
        put_colour_records(out, entry(c.hpieces, i));
    }
}

}  // namespace

void Config::save(std::ofstream& out) const { write_settings(out, *this); }

std::string settings_bytes(const Config& c) {
    std::ostringstream out;
    write_settings(out, c);
    return out.str();
}
