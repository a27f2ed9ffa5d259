#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/page_table.h"

// The player's own pictures. pintabo-import writes each variant of such a
// picture as one archive into get_own_pictures_path(), named as
// page_archive() names the built-in ones ("page101.pak", "hpage101.pak"),
// with the entries the game's page builder reads ("block", "list_nums",
// "list_kontur" and one "colorNelM" per region, see page_regions()), plus
// the entry "page_info": what the built-in pictures keep in page_figures.
//
// "page_info", little-endian, exactly this long:
//   4 bytes  "PTPI"
//   int32    format version, 1
//   int32    picture number, 101 to 999999
//   uint8    0 simple, 1 detailed
//   uint8    tube count, 1 to 9
//   9 int32  palette, 0xRRGGBB per tube; 0 past the tube count
//   int32    regions to paint (the sum of the counts of colours 1 to 9)
//   10 int32 regions per colour 1 to 10 (10: fixed regions, never painted);
//            0 for the colours past the tube count
//   uint8    name length in bytes, then the name: UTF-8, 1 to 24
//            characters, no control characters

constexpr int own_picture_first = 101;
constexpr int own_picture_last = 999999;
constexpr int page_name_max_characters = 24;  // what the gallery can show
constexpr int page_max_regions = 2000;        // all colours together
// A page's archive holds its regions and a few parts beside them (the sheet,
// the numbers, the outlines, their textures, the record): an archive saying
// it holds more is refused before any entry is read.
constexpr int page_max_entries = page_max_regions + 16;

struct PageInfo {
    int number = 0;
    std::string name;
    bool detailed = false;
    int tubes = 0;
    uint32_t palette[9] = {};
    PageVariant variant{};
};

std::vector<unsigned char> write_page_info(const PageInfo& info);

// Reads a "page_info" entry; returns "" and fills `info`, or says what is
// wrong with it (and leaves `info` alone).
std::string parse_page_info(const unsigned char* bytes, size_t size, PageInfo& info);

// "" for a name the gallery can show, else what is wrong with it.
std::string check_page_name(const std::string& name);

// A name the gallery can show made from any text (a file name, say): bytes
// that are no UTF-8 and control characters become '_', and it is cut after
// 24 characters. Empty for empty text.
std::string page_name_from(const std::string& text);

// What the game needs to know about an archive of its own pictures folder.
struct PageArchiveCheck {
    PageInfo info;
    std::string error;  // empty when the archive can be shown
};

// Checks an archive's bytes without trusting any of them: the archive
// layout, the "page_info" entry, and "block", "list_nums", "list_kontur"
// and every region entry the counts call for. The caller still compares
// info.number and info.detailed with the archive's file name.
PageArchiveCheck check_page_archive(const unsigned char* bytes, size_t size);

// The number and variant of an archive named exactly as page_archive()
// names it ("page101.pak", "hpage07.pak"); false for any other name.
bool parse_page_archive_name(const std::string& file, int& number, bool& detailed);
