#include "res/name_texture.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "res/say.h"

#ifndef PINTABO_FONT_BOLD
#define PINTABO_FONT_BOLD "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
#endif

namespace {

std::map<std::string, unsigned>& cache() {
    static std::map<std::string, unsigned> textures;
    return textures;
}

// The code points of UTF-8 text; a malformed byte stands for itself.
std::vector<unsigned long> code_points(const std::string& s) {
    std::vector<unsigned long> out;
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        const size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        unsigned long cp = n == 1 ? c : c & (0x3F >> (n - 1));
        bool whole = i + n <= s.size();
        for (size_t k = 1; whole && k < n; ++k) {
            const unsigned char d = static_cast<unsigned char>(s[i + k]);
            whole = (d & 0xC0) == 0x80;
            cp = (cp << 6) | (d & 0x3F);
        }
        out.push_back(whole ? cp : c);
        i += whole ? n : 1;
    }
    return out;
}

FT_Face face() {
    static FT_Library library = nullptr;
    static FT_Face loaded = nullptr;
    static bool tried = false;
    if (tried) return loaded;
    tried = true;
    if (FT_Init_FreeType(&library) != 0 || FT_New_Face(library, PINTABO_FONT_BOLD, 0, &loaded) != 0) {
        say_once(std::string("pintabo: cannot load the font ") + PINTABO_FONT_BOLD + ": the children's names are not shown");
        loaded = nullptr;
    }
    return loaded;
}

// The coverage of `text` at `pixels` high, into an alpha image; its width.
int draw(FT_Face f, const std::vector<unsigned long>& text, int pixels, std::vector<float>* alpha) {
    FT_Set_Pixel_Sizes(f, 0, static_cast<FT_UInt>(pixels));
    int pen = 0;
    std::vector<std::pair<int, unsigned long>> placed;
    for (unsigned long cp : text) {
        if (FT_Load_Char(f, cp, FT_LOAD_DEFAULT) != 0) continue;
        placed.push_back({pen, cp});
        pen += static_cast<int>(f->glyph->advance.x >> 6);
    }
    if (!alpha) return pen;
    const int x0 = (name_texture_width - pen) / 2;
    const int baseline = name_texture_height / 2 + static_cast<int>(pixels * 0.36);
    for (const auto& [at, cp] : placed) {
        if (FT_Load_Char(f, cp, FT_LOAD_RENDER) != 0) continue;
        const FT_Bitmap& b = f->glyph->bitmap;
        for (unsigned row = 0; row < b.rows; ++row)
            for (unsigned col = 0; col < b.width; ++col) {
                const int x = x0 + at + f->glyph->bitmap_left + static_cast<int>(col);
                const int y = baseline - f->glyph->bitmap_top + static_cast<int>(row);
                if (x < 0 || y < 0 || x >= name_texture_width || y >= name_texture_height) continue;
                float& a = (*alpha)[static_cast<size_t>(y * name_texture_width + x)];
                a = std::max(a, b.buffer[row * static_cast<unsigned>(b.pitch) + col] / 255.0f);
            }
    }
    return pen;
}

}  // namespace

namespace {

// Draws `utf8` into texture `id` (a new one when 0); the texture, or 0.
unsigned render(const std::string& utf8, unsigned id) {
    FT_Face f = face();
    if (!f) return 0;
    const std::vector<unsigned long> text = code_points(utf8);
    int pixels = 76;
    while (pixels > 20 && draw(f, text, pixels, nullptr) > name_texture_width - 24) pixels -= 4;
    std::vector<float> ink(static_cast<size_t>(name_texture_width * name_texture_height), 0.0f);
    draw(f, text, pixels, &ink);
    // A light rim round the letters: the ink grown by three pixels.
    std::vector<unsigned char> rgba(ink.size() * 4, 0);
    for (int y = 0; y < name_texture_height; ++y)
        for (int x = 0; x < name_texture_width; ++x) {
            float rim = 0;
            for (int dy = -3; dy <= 3; ++dy)
                for (int dx = -3; dx <= 3; ++dx) {
                    const int sx = x + dx, sy = y + dy;
                    if (sx < 0 || sy < 0 || sx >= name_texture_width || sy >= name_texture_height || dx * dx + dy * dy > 10)
                        continue;
                    rim = std::max(rim, ink[static_cast<size_t>(sy * name_texture_width + sx)]);
                }
            const float a = ink[static_cast<size_t>(y * name_texture_width + x)];
            unsigned char* p = &rgba[static_cast<size_t>(y * name_texture_width + x) * 4];
            // Ink 0x26 0x32 0x38 over a white rim.
            p[0] = static_cast<unsigned char>(std::lround(255 - a * (255 - 0x26)));
            p[1] = static_cast<unsigned char>(std::lround(255 - a * (255 - 0x32)));
            p[2] = static_cast<unsigned char>(std::lround(255 - a * (255 - 0x38)));
            p[3] = static_cast<unsigned char>(std::lround(std::max(a, rim * 0.9f) * 255));
        }
    if (id == 0) glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, name_texture_width, name_texture_height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 rgba.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return id;
}

unsigned typing = 0;

}  // namespace

unsigned name_texture(const std::string& utf8) {
    auto found = cache().find(utf8);
    if (found != cache().end()) return found->second;
    const unsigned id = render(utf8, 0);
    if (id != 0) cache()[utf8] = id;
    return id;
}

unsigned typing_texture(const std::string& utf8) {
    typing = render(utf8, typing);
    return typing;
}

void forget_name_textures() {
    for (auto& [name, id] : cache()) glDeleteTextures(1, &id);
    cache().clear();
    if (typing != 0) glDeleteTextures(1, &typing);
    typing = 0;
}
