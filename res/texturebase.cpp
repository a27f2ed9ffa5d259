#include "res/texturebase.h"

#include <cstring>

#include "res/drawn_resources.h"
#include "res/texture_generators.h"
#include "shell/frame_clock.h"

Texturebase texturebase;

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// A decimal number of at least one digit; refused once it passes `cap`, so
// long digit runs cannot overflow.
bool read_number(const char** p, int64_t cap, int64_t* out) {
    const char* s = *p;
    if (!is_digit(*s)) return false;
    int64_t v = 0;
    for (; is_digit(*s); ++s) {
        v = v * 10 + (*s - '0');
        if (v > cap) return false;
    }
    *p = s;
    *out = v;
    return true;
}

// Any one character, but not the terminator.
bool skip_separator(const char** p) {
    if (**p == '\0') return false;
    ++*p;
    return true;
}

bool side_fits(int64_t v, int32_t max_size) { return v >= 1 && v <= max_size && (v & (v - 1)) == 0; }

// A computed texture is redrawn every frame on the CPU: 2048 pixels a side
// (16 MiB) is already far beyond any use in the game's artwork.
constexpr GLint computed_side_cap = 2048;

// GL's largest texture side, asked once a context answers, within the cap
// above; 0 without a context.
int32_t max_texture_size() {
    static GLint limit = 0;
    if (limit <= 0) {
        GLint asked = 0;
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &asked);
        limit = asked < computed_side_cap ? asked : computed_side_cap;
    }
    return limit > 0 ? limit : 0;
}

// Pixel rows are whole multiples of 4 bytes, but the unpack alignment may
// have been left at 8 by someone else; uploads use 1 and put it back.
class UnpackAlignment {
public:
    UnpackAlignment() {
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &saved_);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    }
    ~UnpackAlignment() { glPixelStorei(GL_UNPACK_ALIGNMENT, saved_); }

private:
    GLint saved_ = 4;
};

}  // namespace

bool parse_texture_name(const char* name, int32_t max_size, TextureRecipe* out) {
    if (!name || name[0] == '\0' || name[1] != '#') return false;
    const char* p = name + 2;
    const char* kind = p;
    while (*p != '\0' && !is_digit(*p)) ++p;
    const size_t kind_length = static_cast<size_t>(p - kind);
    TextureRecipe r;
    if (kind_length == 6 && std::memcmp(kind, "Plasma", 6) == 0)
        r.kind = TextureRecipe::plasma;
    else if (kind_length == 4 && std::memcmp(kind, "Fire", 4) == 0)
        r.kind = TextureRecipe::fire;
    else
        return false;

    const int64_t side_cap = max_size > 0 ? max_size : 0;
    int64_t w = 0, h = 0;
    if (!read_number(&p, side_cap, &w) || !skip_separator(&p) || !read_number(&p, side_cap, &h)) return false;
    if (!side_fits(w, max_size) || !side_fits(h, max_size)) return false;
    if (r.kind == TextureRecipe::fire && h < 2) return false;
    if (r.kind == TextureRecipe::plasma) {
        for (unsigned char& channel : r.base) {
            int64_t c = 0;
            if (!skip_separator(&p) || !read_number(&p, 255, &c)) return false;
            channel = static_cast<unsigned char>(c);
        }
    }
    if (*p != '\0') return false;
    r.width = static_cast<int32_t>(w);
    r.height = static_cast<int32_t>(h);
    *out = r;
    return true;
}

Texturegen::Texturegen(texture_generator generator_, param_deleter deleter_, void* param_, int32_t width_,
                       int32_t height_)
    : generator(generator_),
      param(param_),
      deleter(deleter_),
      width(width_),
      height(height_),
      pixels(static_cast<size_t>(width_) * static_cast<size_t>(height_) * 4, 0),
      pixels_size(pixels.size()) {
    drawn_resources_changed();
    glGenTextures(1, &tex);
    glBindTexture(GL_TEXTURE_2D, tex);
    {
        UnpackAlignment unpack;
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    }
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

Texturegen::~Texturegen() {
    if (deleter) deleter(param);
}

void Texturegen::regen(int time) {
    generator(time, width, height, pixels.data(), param);
    drawn_resources_changed();
    glBindTexture(GL_TEXTURE_2D, tex);
    UnpackAlignment unpack;
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
}

Texturebase::~Texturebase() {
    for (Texturegen* g : gens) delete g;
}

int Texturebase::find(const char* name) const {
    for (size_t i = 0; i < gen_names.size(); ++i)
        if (gen_names[i] == name) return static_cast<int>(i);
    return -1;
}

unsigned Texturebase::gen(const char* name) {
    if (!name) return 0;
    const int i = find(name);
    if (i >= 0) {
        gen_refs[static_cast<size_t>(i)] += 1;
        return gens[static_cast<size_t>(i)]->gltex();
    }
    TextureRecipe r;
    if (!parse_texture_name(name, max_texture_size(), &r)) return 0;
    Texturegen* g = nullptr;
    if (r.kind == TextureRecipe::plasma) {
        unsigned char* base = new unsigned char[3]{r.base[0], r.base[1], r.base[2]};
        g = new Texturegen(plasma, delete_plasma_param, base, r.width, r.height);
    } else {
        g = new Texturegen(fire, delete_fire_param, new fire_param(r.width, r.height), r.width, r.height);
    }
    gens.push_back(g);
    gen_names.push_back(name);
    gen_refs.push_back(1);
    return g->gltex();
}

void Texturebase::ungen(const char* name) {
    if (!name) return;
    const int index = find(name);
    if (index < 0) return;
    const size_t i = static_cast<size_t>(index);
    gen_refs[i] -= 1;
    if (gen_refs[i] > 0) return;
    drawn_resources_changed();
    glDeleteTextures(1, &gens[i]->tex);
    delete gens[i];
    gens.erase(gens.begin() + index);
    gen_names.erase(gen_names.begin() + index);
    gen_refs.erase(gen_refs.begin() + index);
}

void Texturebase::regenall() {
    const int now = static_cast<int>(CURENT_TIME);
    for (Texturegen* g : gens) g->regen(now);
}
