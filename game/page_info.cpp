#include "game/page_info.h"

#include <cstring>
#include <sstream>

#include "res/pack.h"
#include "save/byte_io.h"

namespace {

constexpr char kMagic[4] = {'P', 'T', 'P', 'I'};
constexpr int32_t kVersion = 1;
constexpr size_t kMaxNameBytes = 4 * page_name_max_characters;

// The code point of the UTF-8 sequence at bytes[at], in shortest form and
// no surrogate; advances `at`. False for anything else.
bool next_code_point(const std::string& s, size_t& at, uint32_t& cp) {
    const unsigned char lead = static_cast<unsigned char>(s[at]);
    int extra = 0;
    uint32_t least = 0;
    if (lead < 0x80) {
        cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        cp = lead & 0x1F;
        extra = 1;
        least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        cp = lead & 0x0F;
        extra = 2;
        least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        cp = lead & 0x07;
        extra = 3;
        least = 0x10000;
    } else {
        return false;
    }
    if (s.size() - at - 1 < static_cast<size_t>(extra)) return false;
    for (int k = 1; k <= extra; ++k) {
        const unsigned char c = static_cast<unsigned char>(s[at + k]);
        if ((c & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    at += 1 + extra;
    return true;
}

bool is_control(uint32_t cp) { return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F); }

}  // namespace

std::vector<unsigned char> write_page_info(const PageInfo& info) {
    std::ostringstream out;
    out.write(kMagic, 4);
    put_i32(out, kVersion);
    put_i32(out, info.number);
    out.put(info.detailed ? 1 : 0);
    out.put(static_cast<char>(info.tubes));
    for (uint32_t rgb : info.palette) put_i32(out, static_cast<int32_t>(rgb));
    put_i32(out, info.variant.total);
    for (int count : info.variant.regions) put_i32(out, count);
    out.put(static_cast<char>(info.name.size()));
    out << info.name;
    const std::string s = out.str();
    return std::vector<unsigned char>(s.begin(), s.end());
}

std::string check_page_name(const std::string& name) {
    if (name.empty()) return "the name is empty";
    int characters = 0;
    for (size_t at = 0; at < name.size(); ++characters) {
        uint32_t cp = 0;
        if (!next_code_point(name, at, cp)) return "the name is not UTF-8";
        if (is_control(cp)) return "the name holds a control character";
    }
    if (characters > page_name_max_characters)
        return "the name is longer than " + std::to_string(page_name_max_characters) + " characters";
    return "";
}

std::string page_name_from(const std::string& text) {
    std::string out;
    int characters = 0;
    for (size_t at = 0; at < text.size() && characters < page_name_max_characters; ++characters) {
        const size_t start = at;
        uint32_t cp = 0;
        if (!next_code_point(text, at, cp)) {
            out += '_';
            at = start + 1;
        } else if (is_control(cp)) {
            out += '_';
        } else {
            out.append(text, start, at - start);
        }
    }
    return out;
}

std::string parse_page_info(const unsigned char* bytes, size_t size, PageInfo& info) {
    Byte_reader in(bytes, size);
    const unsigned char* magic = nullptr;
    int32_t version = 0, number = 0, total = 0;
    uint8_t detailed = 0, tubes = 0, name_length = 0;
    int32_t palette[9] = {}, regions[10] = {};
    if (!in.take(4, magic) || std::memcmp(magic, kMagic, 4) != 0) return "not a picture record";
    if (!in.i32(version) || version != kVersion) return "a picture record of another version";
    bool whole = in.i32(number) && in.u8(detailed) && in.u8(tubes);
    for (int32_t& rgb : palette) whole = whole && in.i32(rgb);
    whole = whole && in.i32(total);
    for (int32_t& count : regions) whole = whole && in.i32(count);
    const unsigned char* name = nullptr;
    whole = whole && in.u8(name_length) && in.take(name_length, name);
    if (!whole) return "the picture record is cut short";
    if (in.left() != 0) return "the picture record is too long";
    if (number < own_picture_first || number > own_picture_last) return "the picture number is out of range";
    if (detailed > 1) return "the variant is neither simple nor detailed";
    if (tubes < 1 || tubes > 9) return "the tube count is out of range";
    for (int c = 0; c < 9; ++c) {
        if (palette[c] < 0 || palette[c] > 0xFFFFFF || (c >= tubes && palette[c] != 0))
            return "the palette holds a colour that is no colour";
    }
    int64_t sum = 0;
    for (int c = 0; c < 10; ++c) {
        if (regions[c] < 0 || regions[c] > page_max_regions) return "a region count is out of range";
        if (c < 9 && c >= tubes && regions[c] != 0) return "regions call for a colour without a tube";
        if (c < 9) sum += regions[c];
    }
    if (total != sum) return "the region counts do not add up to the total";
    if (total < 1) return "there is nothing to paint";
    if (sum + regions[9] > page_max_regions) return "there are too many regions";
    if (name_length > kMaxNameBytes) return "the name is too long";
    const std::string text(reinterpret_cast<const char*>(name), name_length);
    const std::string bad_name = check_page_name(text);
    if (!bad_name.empty()) return bad_name;

    info.number = number;
    info.name = text;
    info.detailed = detailed != 0;
    info.tubes = tubes;
    for (int c = 0; c < 9; ++c) info.palette[c] = static_cast<uint32_t>(palette[c]);
    info.variant.total = total;
    for (int c = 0; c < 10; ++c) info.variant.regions[c] = regions[c];
    return "";
}

PageArchiveCheck check_page_archive(const unsigned char* bytes, size_t size) {
    PageArchiveCheck out;
    Pack pack;
    if (size >= 4 && (bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24) >
                         static_cast<uint32_t>(page_max_entries)) {
        out.error = "the archive holds more entries than a page can";
        return out;
    }
    if (!pack.parse(bytes, size, page_max_entries)) {
        out.error = "the archive is damaged";
        return out;
    }
    const raw record = pack.getfile("page_info");
    if (!record.data) {
        out.error = "the archive has no picture record";
        return out;
    }
    out.error = parse_page_info(record.data, record.size, out.info);
    if (!out.error.empty()) return out;
    for (const char* part : {"block", "list_nums", "list_kontur"})
        if (!pack.getfile(part).data) {
            out.error = std::string("the archive has no ") + part;
            return out;
        }
    for (const PageRegion& region : page_regions(out.info.variant))
        if (!pack.getfile(region.name.c_str()).data) {
            out.error = "the archive has no region " + region.name;
            return out;
        }
    return out;
}

bool parse_page_archive_name(const std::string& file, int& number, bool& detailed) {
    const bool h = !file.empty() && file[0] == 'h';
    const size_t digits_at = h ? 5 : 4;
    if (file.size() < digits_at + 5 || file.compare(h ? 1 : 0, 4, "page") != 0) return false;
    if (file.compare(file.size() - 4, 4, ".pak") != 0) return false;
    const std::string digits = file.substr(digits_at, file.size() - 4 - digits_at);
    if (digits.empty() || digits.size() > 6) return false;
    for (char c : digits)
        if (c < '0' || c > '9') return false;
    const int n = std::stoi(digits);
    if (page_archive(n, h) != file) return false;  // no other spelling of the number
    number = n;
    detailed = h;
    return true;
}
