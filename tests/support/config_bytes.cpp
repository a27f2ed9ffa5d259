#include "support/config_bytes.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <stdexcept>

Config_bytes& Config_bytes::byte(uint8_t v) {
    bytes.push_back(static_cast<char>(v));
    return *this;
}

Config_bytes& Config_bytes::i32(int32_t v) {
    const uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) byte(static_cast<uint8_t>(u >> (8 * i)));
    return *this;
}

Config_bytes& Config_bytes::f64(double v) {
    uint64_t u = 0;
    std::memcpy(&u, &v, 8);
    for (int i = 0; i < 8; ++i) byte(static_cast<uint8_t>(u >> (8 * i)));
    return *this;
}

Config_bytes& Config_bytes::text(const std::string& s) {
    bytes += s;
    return *this;
}

Config_bytes& Config_bytes::colour(int32_t uid, double r, double g, double b) { return i32(uid).f64(r).f64(g).f64(b); }

Config_bytes& Config_bytes::number(int32_t uid, int32_t num) { return i32(uid).i32(num); }

Config_bytes& Config_bytes::header(int32_t version, const std::string& reserved, bool help, bool sound, bool music,
                                   int32_t language, bool by_numbers, bool detailed) {
    i32(version).i32(static_cast<int32_t>(reserved.size())).text(reserved);
    return byte(help).byte(sound).byte(music).i32(language).byte(by_numbers).byte(detailed);
}

const std::vector<int32_t> rich_pages = {7, 2, 19};

std::string rich_settings_file(const std::string& reserved, std::vector<size_t>* block_ends) {
    Config_bytes f;
    f.header(1, reserved, false, true, false, 3, false, true);
    f.i32(2).colour(0, 0.1, 0.2, 0.3).colour(4, 1.0 / 3.0, -0.0, 1.0);
    f.i32(1);  // page_index: the second picture
    f.i32(3);
    // Picture 7: by-numbers replacements and both by-numbers tables.
    f.i32(7);
    f.i32(1).colour(2, 0.5, 0.25, 0.125);
    f.i32(3).number(210, 1).number(11, 0).number(35, 2);
    f.i32(1).number(1012, 9);
    f.i32(0);
    f.i32(0);
    if (block_ends) block_ends->push_back(f.size());
    // Picture 2: both free-colouring tables, one region painted in both variants.
    f.i32(2);
    f.i32(0);
    f.i32(0);
    f.i32(0);
    f.i32(2).colour(13, 1.0, 1.0, 1.0).colour(51, 0.7, 0.8, 0.9);
    f.i32(1).colour(13, 0.0, 0.0, 0.0);
    if (block_ends) block_ends->push_back(f.size());
    // Picture 19: every table.
    f.i32(19);
    f.i32(2).colour(1, 0.9, 0.1, 0.0).colour(0, 0.0, 0.0, 1.0);
    f.i32(1).number(33, 3);
    f.i32(2).number(44, 4).number(45, 4);
    f.i32(1).colour(66, 0.6, 0.6, 0.6);
    f.i32(1).colour(77, 0.75, 0.5, 0.25);
    if (block_ends) block_ends->push_back(f.size());
    return f.bytes;
}

Config read_config(const std::string& bytes) {
    char name[] = "/tmp/pintabo-cfg-XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0) throw std::runtime_error("cannot make a temporary file");
    close(fd);
    {
        std::ofstream out(name, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    std::ifstream in(name, std::ios::binary);
    Config c(in);
    unlink(name);
    return c;
}

bool tables_match_pages(const Config& c) {
    const size_t n = c.pages.size();
    return c.pieces.size() == n && c.hpieces.size() == n && c.pieces_qor.size() == n && c.hpieces_qor.size() == n &&
           c.const_colors_qor.size() == n && c.custom_colors_qor.size() == n;
}
