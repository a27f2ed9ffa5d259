// Reading the settings file. The file comes from disk and may be cut short
// by a crash or damaged in any way, so every count is checked against the
// bytes that are left before anything is allocated for it, and a picture is
// taken only when its whole block could be read.
#include <exception>
#include <iterator>
#include <utility>

#include "save/byte_io.h"
#include "save/config.h"
#include "save/settings_extras.h"

namespace {

constexpr size_t colour_record_size = 28;
constexpr size_t number_record_size = 8;

// A count of records that the rest of the file can actually hold.
bool read_count(Byte_reader& in, size_t record_size, size_t& count) {
    int32_t n = 0;
    if (!in.i32(n) || n < 0) return false;
    count = static_cast<size_t>(n);
    return count <= in.left() / record_size;
}

// Piece and Custom_color share the colour record: uid, red, green, blue.
template <class Record>
bool read_colour_records(Byte_reader& in, std::vector<Record>& out) {
    size_t count = 0;
    if (!read_count(in, colour_record_size, count)) return false;
    out.reserve(out.size() + count);
    for (size_t i = 0; i < count; ++i) {
        Record r;
        in.i32(r.uid);
        in.f64(r.color.r);
        in.f64(r.color.g);
        in.f64(r.color.b);
        out.push_back(r);
    }
    return true;
}

bool read_number_records(Byte_reader& in, std::vector<Piece_qor>& out) {
    size_t count = 0;
    if (!read_count(in, number_record_size, count)) return false;
    out.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        Piece_qor r;
        in.i32(r.uid);
        in.i32(r.num);
        out.push_back(r);
    }
    return true;
}

// One picture block, appended to every per-picture table only when it was
// read whole, so the tables always stay as long as `pages`.
bool read_picture(Byte_reader& in, Config& c) {
    int32_t number = 0;
    std::vector<Custom_color> custom;
    std::vector<Piece_qor> qor, hqor;
    std::vector<Piece> free, hfree;
    if (!in.i32(number) || !read_colour_records(in, custom) || !read_number_records(in, qor) ||
        !read_number_records(in, hqor) || !read_colour_records(in, free) || !read_colour_records(in, hfree))
        return false;
    c.pages.push_back(number);
    c.custom_colors_qor.push_back(std::move(custom));
    c.const_colors_qor.emplace_back();
    c.pieces_qor.push_back(std::move(qor));
    c.hpieces_qor.push_back(std::move(hqor));
    c.pieces.push_back(std::move(free));
    c.hpieces.push_back(std::move(hfree));
    return true;
}

// Returns false at the first fault; what was read before it stays in `c`.
bool read_settings(Byte_reader& in, Config& c) {
    int32_t version = 0, reserved = 0;
    const unsigned char* block = nullptr;
    if (!in.i32(version) || !in.i32(reserved) || reserved < 0 || !in.take(static_cast<size_t>(reserved), block))
        return false;
    read_settings_extras(std::string(reinterpret_cast<const char*>(block), static_cast<size_t>(reserved)), c);
    if (!in.flag(c.help_on_start) || !in.flag(c.sound_on) || !in.flag(c.music_on) || !in.i32(c.language) ||
        !in.flag(c.by_numbers) || !in.flag(c.detailed))
        return false;
    // Another version keeps its options but none of its progress; the file
    // counts as one this reader could not take whole, so it is kept as a
    // backup rather than overwritten by the first save.
    if (version != 1) return false;
    if (!read_colour_records(in, c.custom_colors) || !in.i32(c.page_index)) return false;
    int32_t count = 0;
    if (!in.i32(count) || count < 0) return false;
    // No room is reserved for `count`: a lying count just ends at the first
    // block that does not fit.
    for (int32_t i = 0; i < count; ++i)
        if (!read_picture(in, c)) return false;
    return true;
}

}  // namespace

// A stream that fails while it is read (a folder opened as a file, an I/O
// error) throws from inside the library; what it gave so far is read and the
// file counts as damaged.
Config::Config(std::ifstream& file) : Config() {
    std::vector<unsigned char> bytes;
    bool whole = true;
    try {
        bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
        whole = false;
    }
    read_bytes(bytes.data(), bytes.size());
    if (!whole) damaged = true;
}

Config::Config(const unsigned char* data, size_t size) : Config() { read_bytes(data, size); }

void Config::read_bytes(const unsigned char* data, size_t size) {
    Byte_reader in(data, size);
    damaged = !read_settings(in, *this);
    if (page_index < -1 || page_index >= static_cast<int64_t>(pages.size())) {
        page_index = -1;
        damaged = true;
    }
}
