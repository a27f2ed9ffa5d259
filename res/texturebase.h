#pragma once

#include <GL/gl.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Fills width*height RGBA pixels (top row first) for the moment `time`.
using texture_generator = void (*)(int time, int width, int height, unsigned char* pixels, void* param);
using param_deleter = void (*)(void* param);

// One computed texture: its generator with the generator's own state, the
// pixels it draws into and the GL texture they are uploaded to.
class Texturegen {
public:
    texture_generator generator;
    void* param;  // owned: given to `deleter` on destruction
    param_deleter deleter;
    int32_t width, height;
    GLuint tex = 0;
    std::vector<unsigned char> pixels;
    size_t pixels_size;

    // Needs a GL context: makes the texture, bound, with transparent black pixels.
    Texturegen(texture_generator generator, param_deleter deleter, void* param, int32_t width, int32_t height);
    // Frees the pixels and the state but leaves the GL texture alone: the
    // owner deletes that while a context still exists.
    ~Texturegen();
    Texturegen(const Texturegen&) = delete;
    Texturegen& operator=(const Texturegen&) = delete;

    // Draws the pixels for `time` and uploads them.
    void regen(int time);
    unsigned gltex() const { return tex; }
};

// What a procedural texture name asks for. A name reads, left to right: any
// character, '#', the kind ("Plasma" or "Fire", everything up to the first
// digit), the width, one separator character, the height and, for Plasma
// only, three more times a separator and a number: the base red, green and
// blue, 0-255. Sides are powers of two from 1 to `max_size`; Fire needs a
// height of at least 2. Examples: "##Plasma64x64x10x20x30", "##Fire128x64".
struct TextureRecipe {
    enum Kind { plasma, fire };
    Kind kind = plasma;
    int32_t width = 0, height = 0;
    unsigned char base[3] = {0, 0, 0};
};

// Reads the whole of `name` (never past its terminator); false for anything
// else than exactly the syntax above.
bool parse_texture_name(const char* name, int32_t max_size, TextureRecipe* out);

// The computed textures in use, each kept under its full name with a
// reference count, made on first use and deleted when the last user lets it go.
class Texturebase {
public:
    std::vector<Texturegen*> gens;
    std::vector<std::string> gen_names;
    std::vector<int> gen_refs;

    Texturebase() = default;
    // Runs at exit, after the GL context is gone: frees without GL calls.
    ~Texturebase();
    Texturebase(const Texturebase&) = delete;
    Texturebase& operator=(const Texturebase&) = delete;

    // The texture for `name`, made when it is new; 0 for a name that is not a
    // valid procedural texture name (nothing is made or counted then).
    unsigned gen(const char* name);
    // Lets one use of `name` go; unknown names are ignored.
    void ungen(const char* name);
    // Redraws every texture for the current frame time, in the order made.
    void regenall();
    bool empty() const { return gens.empty(); }

private:
    int find(const char* name) const;
};

extern Texturebase texturebase;
