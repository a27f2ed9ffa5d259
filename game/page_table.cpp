#include "game/page_table.h"

#include <algorithm>
#include <cstdio>

// clang-format off
const PageFigures page_figures[page_count] = {
    {9, {0x93C700, 0xDFFF66, 0x23AF01, 0x6F0484, 0x5B00E7, 0x00BDDB, 0xFFD200, 0xFF9000, 0x6DDAF9},
     {45, {9, 10, 9, 3, 1, 4, 4, 3, 2, 1}}, {104, {28, 24, 12, 8, 10, 9, 6, 3, 4, 1}}},
    {9, {0xE75934, 0xEF8212, 0xE0CC6F, 0x9D826F, 0x765D4D, 0x81CB49, 0x20AD41, 0x95C8DE, 0x26A8D8},
     {39, {2, 2, 4, 3, 2, 5, 5, 10, 6, 1}}, {107, {3, 2, 7, 7, 7, 11, 10, 30, 30, 1}}},
    {9, {0xC7D1DC, 0x808080, 0x745C5A, 0x0C9604, 0x006E2C, 0x6F5600, 0x88D0FF, 0x00AAFD, 0x97C0FF},
     {34, {2, 2, 4, 4, 6, 6, 4, 3, 3, 0}}, {101, {10, 3, 4, 18, 12, 8, 23, 14, 9, 0}}},
    {9, {0x88CCFF, 0x00C4EA, 0x8A01F5, 0xD38CF9, 0xEF4559, 0xF27D5E, 0xA28257, 0xD5B975, 0xDCFF44},
     {30, {6, 4, 1, 4, 3, 3, 4, 2, 3, 0}}, {89, {33, 11, 14, 6, 4, 6, 5, 7, 3, 0}}},
    {9, {0x88CAFF, 0xBEE0FF, 0x62A800, 0xE3FF73, 0xFFEBB9, 0xFFC1CC, 0xD2B48C, 0xB5651D, 0xFF8243},
     {35, {4, 5, 4, 4, 2, 4, 7, 3, 2, 3}}, {106, {42, 12, 18, 9, 4, 4, 10, 4, 3, 7}}},
    {9, {0xF6B5A2, 0x5476B6, 0xC25C36, 0xD6952F, 0xE23F00, 0xEFC16C, 0x946F4A, 0xC9AB86, 0xF4BAC2},
     {35, {6, 3, 5, 7, 2, 4, 4, 2, 2, 2}}, {95, {27, 10, 18, 13, 3, 6, 13, 3, 2, 2}}},
    {8, {0x738CFF, 0x97B7FF, 0xA65C28, 0xE1AD61, 0xFFBE82, 0x00345B, 0xE3E5EA, 0xFEFEC6},
     {29, {8, 8, 3, 3, 1, 1, 3, 2, 0, 1}}, {77, {22, 19, 3, 3, 14, 8, 5, 3, 0, 1}}},
    {9, {0xAAE9E3, 0xDAE8EE, 0xB79761, 0xEEC88F, 0xDFC375, 0xE94916, 0xF6657B, 0xD1271F, 0xF8DB6D},
     {63, {8, 5, 5, 3, 1, 7, 13, 19, 2, 0}}, {117, {21, 13, 12, 10, 7, 10, 21, 21, 2, 0}}},
    {9, {0x0089E1, 0x60BFF3, 0xEC3A3E, 0x6AC334, 0xAADC7D, 0xC1A25F, 0xC18557, 0xFDFE99, 0xFDC800},
     {61, {16, 10, 9, 3, 5, 6, 7, 3, 2, 2}}, {154, {50, 31, 22, 6, 10, 10, 7, 8, 10, 2}}},
    {9, {0x17A102, 0x69AB00, 0x808080, 0x73B5FF, 0xB6DEFF, 0xD2B48C, 0x796345, 0xFDDDE6, 0xFFE5B4},
     {39, {5, 5, 3, 1, 2, 2, 11, 4, 6, 4}}, {84, {9, 10, 11, 15, 6, 7, 15, 4, 7, 4}}},
    {9, {0xA2C3FF, 0x668FFF, 0x7C6252, 0x0D8C03, 0x808080, 0xFFC900, 0xFF9E03, 0x008362, 0x9190FF},
     {23, {2, 4, 3, 2, 2, 4, 3, 1, 2, 1}}, {69, {19, 11, 11, 2, 8, 6, 4, 3, 5, 1}}},
    {9, {0xBEC2FF, 0x78B3FF, 0x007A7C, 0xA79683, 0xFFCDAE, 0xE5B73B, 0xFFA707, 0xDFD5B2, 0xE1E7EE},
     {28, {3, 3, 3, 2, 3, 6, 4, 2, 2, 1}}, {80, {32, 6, 11, 3, 3, 8, 4, 6, 7, 1}}},
    {9, {0xBFDEFF, 0x9ACD32, 0xCAD000, 0xC59B00, 0xBFEBFE, 0xFDF866, 0xEBC26A, 0xBF8443, 0xFCA200},
     {21, {3, 3, 3, 2, 1, 1, 4, 3, 1, 2}}, {78, {21, 8, 15, 8, 2, 2, 12, 3, 7, 2}}},
    {9, {0x8EA6FF, 0xA8D5FF, 0x9603DE, 0xD6FF64, 0xFFBC82, 0xFFD24F, 0x9FAA00, 0xA96A3A, 0xD1BA6A},
     {30, {1, 3, 3, 4, 3, 3, 8, 3, 2, 1}}, {88, {18, 9, 11, 5, 8, 5, 16, 8, 8, 1}}},
    {9, {0x9B8200, 0xA6D1FF, 0x794D00, 0x7AAB00, 0xC5A200, 0xFEEF31, 0xD08200, 0xFFB555, 0xE06020},
     {38, {1, 4, 3, 3, 4, 1, 4, 1, 17, 1}}, {108, {28, 36, 4, 6, 7, 3, 4, 3, 17, 1}}},
    {9, {0x6883A6, 0x97BAFF, 0xFEF897, 0xE3AFC5, 0x0CAA06, 0xFFD197, 0x00BD65, 0x654321, 0xA19EFF},
     {26, {1, 3, 4, 3, 2, 4, 4, 2, 3, 1}}, {86, {10, 5, 6, 3, 13, 26, 9, 6, 8, 1}}},
    {8, {0xFFF2BC, 0xC3D4E5, 0xDBF0ED, 0x9895FF, 0xD2B48C, 0xB49479, 0x8D6A00, 0xFFD1A2},
     {17, {1, 2, 1, 2, 1, 5, 2, 3, 0, 3}}, {71, {16, 15, 14, 6, 10, 5, 2, 3, 0, 3}}},
    {7, {0xBFDEFF, 0xB0C9FF, 0xB7CA00, 0xB8886C, 0xC3E4E9, 0xFFCDB0, 0xFFA797},
     {22, {1, 3, 2, 2, 4, 3, 7, 0, 0, 1}}, {82, {22, 9, 5, 17, 9, 13, 7, 0, 0, 1}}},
    {9, {0x91C1FF, 0x127601, 0x008D3F, 0x483C32, 0x763B00, 0xC2B280, 0xA87400, 0xEDB197, 0xF9C200},
     {39, {7, 7, 7, 4, 5, 1, 4, 1, 3, 0}}, {93, {14, 17, 11, 12, 14, 8, 7, 6, 4, 0}}},
    {9, {0xB9DBFF, 0xE1FF8B, 0x8DB800, 0xB4894E, 0x00DC4F, 0xFFD322, 0xB607D5, 0xF50465, 0xF8C34C},
     {34, {5, 7, 8, 2, 1, 2, 4, 2, 3, 1}}, {94, {29, 16, 13, 9, 11, 4, 6, 3, 3, 1}}},
};
// clang-format on

std::string page_archive(int picture, bool detailed) {
    char name[16];
    std::snprintf(name, sizeof name, "%spage%02d.pak", detailed ? "h" : "", picture);
    return name;
}

Color palette_color(uint32_t rrggbb) {
    return Color(((rrggbb >> 16) & 0xFF) / 255.0, ((rrggbb >> 8) & 0xFF) / 255.0, (rrggbb & 0xFF) / 255.0);
}

std::vector<PageRegion> page_regions(const PageVariant& variant) {
    std::vector<PageRegion> regions;
    for (int n = 1; n <= 10; ++n) {
        for (int m = 1; m <= variant.regions[n - 1]; ++m) {
            const std::string digits = std::to_string(n) + std::to_string(m);
            regions.push_back({"color" + std::to_string(n) + "el" + std::to_string(m), std::stoi(digits), n - 1});
        }
    }
    std::sort(regions.begin(), regions.end(),
              [](const PageRegion& a, const PageRegion& b) { return a.name < b.name; });
    return regions;
}
