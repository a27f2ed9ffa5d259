#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "save/config.h"

// Builds settings files by hand, field by field, little-endian, so that tests
// state the file layout independently of the game's writer.
class Config_bytes {
public:
    std::string bytes;

    Config_bytes& byte(uint8_t v);
    Config_bytes& i32(int32_t v);
    Config_bytes& f64(double v);
    Config_bytes& text(const std::string& s);
    Config_bytes& colour(int32_t uid, double r, double g, double b);
    Config_bytes& number(int32_t uid, int32_t num);
    // Version, reserved text and the options in file order.
    Config_bytes& header(int32_t version, const std::string& reserved, bool help, bool sound, bool music,
                         int32_t language, bool by_numbers, bool detailed);
    size_t size() const { return bytes.size(); }
};

// The picture numbers of the rich file, in file order.
extern const std::vector<int32_t> rich_pages;

// A version 1 file with custom colours, three pictures and every region table
// filled somewhere. `block_ends` receives the file size at the end of each
// picture block.
std::string rich_settings_file(const std::string& reserved = "", std::vector<size_t>* block_ends = nullptr);

// Reads `bytes` as a settings file through a real file stream.
Config read_config(const std::string& bytes);

// Whether every per-picture table has one entry per picture.
bool tables_match_pages(const Config& c);
