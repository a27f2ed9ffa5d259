// Computed textures in the game's window: how they are made, shared,
// redrawn and deleted, and models whose texture is computed.
#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "res/texture_generators.h"
#include "res/texturebase.h"
#include "scene/model.h"
#include "shell/frame_clock.h"
#include "support/test_archive.h"
#include "window/window_scene.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes texels(GLuint tex) {
    glBindTexture(GL_TEXTURE_2D, tex);
    return WindowScene::bound_texels();
}

GLint unpack_alignment() {
    GLint v = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &v);
    return v;
}

// Every test starts and ends with no computed texture alive.
class ProceduralTextures : public WindowScene {
protected:
    void SetUp() override {
        WindowScene::SetUp();
        ASSERT_TRUE(texturebase.empty());
    }
    void TearDown() override {
        WindowScene::TearDown();
        EXPECT_TRUE(texturebase.empty() && texturebase.gen_names.empty() && texturebase.gen_refs.empty());
        while (!texturebase.empty()) texturebase.ungen(texturebase.gen_names.front().c_str());
    }
};

}  // namespace

TEST_F(ProceduralTextures, NewTextureIsLinearRgbaAndTransparentBlackUntilRedrawnInTableOrder) {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);  // would pad one-pixel rows to 8 bytes
    const unsigned tex = texturebase.gen("##Plasma1x4x1x2x3");
    const unsigned small = texturebase.gen("##Fire8x4");
    const unsigned big = texturebase.gen("##Fire16x8");
    EXPECT_EQ(unpack_alignment(), 8);  // left as it was found
    ASSERT_TRUE(tex != 0 && small != 0 && big != 0);
    EXPECT_EQ(texturebase.gen_refs, (std::vector<int>{1, 1, 1}));
    glBindTexture(GL_TEXTURE_2D, tex);
    EXPECT_EQ(texture_level0(GL_TEXTURE_WIDTH), 1);
    EXPECT_EQ(texture_level0(GL_TEXTURE_HEIGHT), 4);
    EXPECT_EQ(texture_level0(GL_TEXTURE_INTERNAL_FORMAT), GL_RGBA);
    GLint min_filter = 0, mag_filter = 0, env = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &min_filter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &mag_filter);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &env);
    EXPECT_EQ(std::vector<GLint>({min_filter, mag_filter, env}), std::vector<GLint>({GL_LINEAR, GL_LINEAR, GL_MODULATE}));
    EXPECT_EQ(texels(tex), Bytes(16, 0));

    // Fires draw on rand(), so the order of the redraws shows in the pictures.
    CURENT_TIME = 0;
    std::srand(99);
    texturebase.regenall();
    EXPECT_EQ(unpack_alignment(), 8);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    Bytes plasma_px(16), small_px(8 * 4 * 4), big_px(16 * 8 * 4);
    unsigned char base[3] = {1, 2, 3};
    plasma(0, 1, 4, plasma_px.data(), base);
    fire_param small_fire(8, 4), big_fire(16, 8);
    std::srand(99);
    fire(0, 8, 4, small_px.data(), &small_fire);
    fire(0, 16, 8, big_px.data(), &big_fire);
    EXPECT_EQ(texels(tex), plasma_px);
    EXPECT_EQ(texels(small), small_px);
    EXPECT_EQ(texels(big), big_px);
    for (const char* name : {"##Plasma1x4x1x2x3", "##Fire8x4", "##Fire16x8"}) texturebase.ungen(name);
    EXPECT_FALSE(glIsTexture(tex) || glIsTexture(small) || glIsTexture(big));
}

TEST_F(ProceduralTextures, SameNameIsSharedAndDeletedWithItsLastUser) {
    const unsigned a = texturebase.gen("##Plasma64x64x10x20x30");
    EXPECT_EQ(texturebase.gen("##Plasma64x64x10x20x30"), a);
    const unsigned other = texturebase.gen("##Plasma64x64x10x20x31");
    ASSERT_TRUE(a != 0 && other != 0 && other != a);
    EXPECT_EQ(texturebase.gen_refs, (std::vector<int>{2, 1}));
    for (const char* never : {"##Plasma64x64x10x20x3", "##Fire8x8", "tex.png", "", "#"}) texturebase.ungen(never);
    texturebase.ungen(nullptr);
    EXPECT_EQ(texturebase.gen_refs, (std::vector<int>{2, 1}));

    texturebase.ungen("##Plasma64x64x10x20x30");
    EXPECT_TRUE(glIsTexture(a));
    texturebase.ungen("##Plasma64x64x10x20x30");
    EXPECT_FALSE(glIsTexture(a));
    ASSERT_EQ(texturebase.gen_names, (std::vector<std::string>{"##Plasma64x64x10x20x31"}));
    EXPECT_EQ(texturebase.gens[0]->gltex(), other);
    texturebase.ungen("##Plasma64x64x10x20x31");
    EXPECT_FALSE(glIsTexture(other));
}

TEST_F(ProceduralTextures, RefusedNamesMakeNothingAndTakeNoTextureName) {
    GLint max_size = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &max_size);
    max_size = std::min<GLint>(max_size, 2048);  // computed textures stay within 2048 a side
    const std::string largest = "##Fire" + std::to_string(max_size) + "x2";
    const std::string too_wide = "##Fire" + std::to_string(2 * static_cast<int64_t>(max_size)) + "x2";
    GLuint before = 0;
    glGenTextures(1, &before);
    for (const char* name : {too_wide.c_str(), "##Plasma48x64x1x2x3", "##Fire64x1", "##Plasma8x8x300x0x0"})
        EXPECT_EQ(texturebase.gen(name), 0u) << name;
    EXPECT_TRUE(texturebase.empty());
    EXPECT_EQ(texturebase.gen(largest.c_str()), before + 1);  // names are handed out in order
    glDeleteTextures(1, &before);
    texturebase.ungen(largest.c_str());
}

TEST_F(ProceduralTextures, ObjectsShareTheirComputedTextureUntilTheLastIsDestroyed) {
    // A one-pixel plasma lies on the grid: green 127 whatever the time.
    const char* name = "##Plasma1x1x100x0x50";
    write_archive(folder.file("p.pak"), {{"card", square_object(3.0f, 0.0f, name)},
                                         {"bad", square_object(1.0f, 0.0f, "##Plasma3x3x0x0x0")}});
    Object* first = pickable(map, "p.pak", "card", 0.0);
    Object* second = new Object();
    second->add("p.pak", "card");
    Object* refused = new Object();
    refused->add("p.pak", "bad");
    ASSERT_TRUE(first->model_count == 1 && refused->model_count == 1);
    const unsigned tex = first->models[0]->texture;
    EXPECT_NE(tex, 0u);
    EXPECT_EQ(second->models[0]->texture, tex);
    EXPECT_EQ(refused->models[0]->texture, 0u);
    EXPECT_EQ(texturebase.gen_names, (std::vector<std::string>{name}));
    EXPECT_EQ(texturebase.gen_refs, (std::vector<int>{2}));

    push_motion(cx(), cy());
    texturebase.regenall();
    frame();
    EXPECT_NEAR(mouse_hover_pixel.g, 127 / 255.0, 0.01);

    delete refused;
    delete second;
    EXPECT_EQ(texturebase.gen_refs, (std::vector<int>{1}));
    EXPECT_TRUE(glIsTexture(tex));
    first->del();  // taken down over the next frames, the way the game does it
    for (int n = 0; n < 20 && !map->links.empty(); ++n) frame();
    EXPECT_TRUE(map->links.empty());
    EXPECT_FALSE(glIsTexture(tex));
}
