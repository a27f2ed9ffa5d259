#include "pictures_archive.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "res/platform.h"

std::string picture_data_dir() { return get_boundle_path() + "/../data/"; }

std::string picture_archive(int number, bool detailed) {
    char name[32];
    std::snprintf(name, sizeof name, "%spage%02d.pak", detailed ? "h" : "", number);
    return name;
}

namespace {

bool read_u32(const unsigned char*& p, const unsigned char* end, uint32_t& v) {
    if (end - p < 4) return false;
    v = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
        static_cast<uint32_t>(p[3]) << 24;
    p += 4;
    return true;
}

}  // namespace

std::vector<PictureModel> read_object_file(const raw& file) {
    std::vector<PictureModel> models;
    if (!file.data || file.size < 5) return {};
    const unsigned char* p = file.data;
    const unsigned char* end = file.data + file.size;
    if (*p == 255) p += 4;
    ++p;
    uint32_t count = 0;
    if (!read_u32(p, end, count)) return {};
    for (uint32_t m = 0; m < count; ++m) {
        PictureModel model;
        uint32_t name_len = 0, triangles = 0;
        if (!read_u32(p, end, name_len) || static_cast<uint32_t>(end - p) < name_len + 60) return {};
        model.texture = std::string(reinterpret_cast<const char*>(p));
        p += name_len + 60;
        if (!read_u32(p, end, triangles) || end - p < 1) return {};
        ++p;
        if (static_cast<uint64_t>(end - p) < 96ull * triangles) return {};
        model.vertices.resize(3ull * triangles);
        std::memcpy(model.vertices.data(), p, 36ull * triangles);
        p += 96ull * triangles;
        models.push_back(std::move(model));
    }
    return models;
}

int wanted_regions(int number, bool detailed, int colour) {
    // Regions per colour 1..10, simple variants then detailed ones.
    static const int table[40][10] = {
        {9, 10, 9, 3, 1, 4, 4, 3, 2, 1},     {2, 2, 4, 3, 2, 5, 5, 10, 6, 1},      {2, 2, 4, 4, 6, 6, 4, 3, 3, 0},
        {6, 4, 1, 4, 3, 3, 4, 2, 3, 0},      {4, 5, 4, 4, 2, 4, 7, 3, 2, 3},       {6, 3, 5, 7, 2, 4, 4, 2, 2, 2},
        {8, 8, 3, 3, 1, 1, 3, 2, 0, 1},      {8, 5, 5, 3, 1, 7, 13, 19, 2, 0},     {16, 10, 9, 3, 5, 6, 7, 3, 2, 2},
        {5, 5, 3, 1, 2, 2, 11, 4, 6, 4},     {2, 4, 3, 2, 2, 4, 3, 1, 2, 1},       {3, 3, 3, 2, 3, 6, 4, 2, 2, 1},
        {3, 3, 3, 2, 1, 1, 4, 3, 1, 2},      {1, 3, 3, 4, 3, 3, 8, 3, 2, 1},       {1, 4, 3, 3, 4, 1, 4, 1, 17, 1},
        {1, 3, 4, 3, 2, 4, 4, 2, 3, 1},      {1, 2, 1, 2, 1, 5, 2, 3, 0, 3},       {1, 3, 2, 2, 4, 3, 7, 0, 0, 1},
        {7, 7, 7, 4, 5, 1, 4, 1, 3, 0},      {5, 7, 8, 2, 1, 2, 4, 2, 3, 1},
        {28, 24, 12, 8, 10, 9, 6, 3, 4, 1},  {3, 2, 7, 7, 7, 11, 10, 30, 30, 1},   {10, 3, 4, 18, 12, 8, 23, 14, 9, 0},
        {33, 11, 14, 6, 4, 6, 5, 7, 3, 0},   {42, 12, 18, 9, 4, 4, 10, 4, 3, 7},   {27, 10, 18, 13, 3, 6, 13, 3, 2, 2},
        {22, 19, 3, 3, 14, 8, 5, 3, 0, 1},   {21, 13, 12, 10, 7, 10, 21, 21, 2, 0}, {50, 31, 22, 6, 10, 10, 7, 8, 10, 2},
        {9, 10, 11, 15, 6, 7, 15, 4, 7, 4},  {19, 11, 11, 2, 8, 6, 4, 3, 5, 1},    {32, 6, 11, 3, 3, 8, 4, 6, 7, 1},
        {21, 8, 15, 8, 2, 2, 12, 3, 7, 2},   {18, 9, 11, 5, 8, 5, 16, 8, 8, 1},    {28, 36, 4, 6, 7, 3, 4, 3, 17, 1},
        {10, 5, 6, 3, 13, 26, 9, 6, 8, 1},   {16, 15, 14, 6, 10, 5, 2, 3, 0, 3},   {22, 9, 5, 17, 9, 13, 7, 0, 0, 1},
        {14, 17, 11, 12, 14, 8, 7, 6, 4, 0}, {29, 16, 13, 9, 11, 4, 6, 3, 3, 1},
    };
    return table[(detailed ? 20 : 0) + number - 1][colour - 1];
}
