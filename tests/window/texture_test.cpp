// Images from archives become textures: depths, row packing, mipmaps,
// sharing and reference counts, and a textured object on screen.
#include <GL/gl.h>

#include <vector>

#include "res/pack.h"
#include "res/platform.h"
#include "support/file_bytes.h"
#include "support/test_archive.h"
#include "window/window_scene.h"

namespace {

unsigned load(const char* name) {
    Bytes b = test_data(name);
    return mac_load_tex(reinterpret_cast<char*>(b.data()), static_cast<int>(b.size()));
}

GLuint next_free_name() {
    GLuint n = 0;
    glGenTextures(1, &n);
    glDeleteTextures(1, &n);
    return n;
}

}  // namespace

TEST(Textures, RgbImageBecomesAnRgbTextureTopRowFirst) {
    const GLuint tex = load("rgb24.png");
    ASSERT_NE(tex, 0u);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), tex);
    EXPECT_EQ(WindowScene::texture_level0(GL_TEXTURE_INTERNAL_FORMAT), GL_RGB);
    EXPECT_EQ(WindowScene::texture_level0(GL_TEXTURE_WIDTH), 2);
    const std::vector<unsigned char> t = WindowScene::bound_texels();
    const std::vector<unsigned char> expected = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255};
    EXPECT_EQ(t, expected);
    GLint min_filter = 0, mag_filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &min_filter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &mag_filter);
    EXPECT_EQ(min_filter, GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(mag_filter, GL_LINEAR);
    GLint unpack = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &unpack);
    EXPECT_EQ(unpack, 4);  // left as it was found
    glDeleteTextures(1, &tex);
}

TEST(Textures, RgbaImageKeepsItsAlpha) {
    const GLuint tex = load("rgba32.png");
    ASSERT_NE(tex, 0u);
    EXPECT_EQ(WindowScene::texture_level0(GL_TEXTURE_INTERNAL_FORMAT), GL_RGBA);
    const std::vector<unsigned char> t = WindowScene::bound_texels();
    const std::vector<unsigned char> expected = {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0, 255, 255, 255, 64};
    EXPECT_EQ(t, expected);
    glDeleteTextures(1, &tex);
}

TEST(Textures, SidesThatAreNoPowerOfTwoStillMakeATexture) {
    const GLuint tex = load("npot.png");
    ASSERT_NE(tex, 0u);
    EXPECT_GT(WindowScene::texture_level0(GL_TEXTURE_WIDTH), 0);
    glDeleteTextures(1, &tex);
}

TEST(Textures, OtherDepthsAndNonImagesYieldZeroAndConsumeNoName) {
    const GLuint first = next_free_name();
    const GLuint step = next_free_name() - first;  // names are handed out in order
    const GLuint before = first + step;
    EXPECT_EQ(load("grey8.png"), 0u);
    EXPECT_EQ(load("palette.png"), 0u);
    char junk[] = "definitely not an image";
    EXPECT_EQ(mac_load_tex(junk, sizeof junk), 0u);
    EXPECT_EQ(mac_load_tex(nullptr, 0), 0u);
    EXPECT_EQ(next_free_name(), before + step);
}

TEST(Textures, ArchiveImageIsSharedAndDecodedAgainAfterItsLastRelease) {
    TempFolder f;
    write_archive(f.file("t.pak"), {{"tex", test_data("rgb24.png")}, {"bad", test_data("grey8.png")}});
    Pack p(f.file("t.pak").c_str());
    const unsigned long first = p.getimage("tex");
    ASSERT_NE(first, 0u);
    EXPECT_EQ(p.getimage("tex"), first);
    EXPECT_EQ(p.image_refs[0], 2);
    p.ungetimage(first);
    EXPECT_TRUE(glIsTexture(static_cast<GLuint>(first)));
    p.ungetimage(first);
    EXPECT_FALSE(glIsTexture(static_cast<GLuint>(first)));
    EXPECT_EQ(p.images[0], 0u);
    const unsigned long again = p.getimage("tex");
    EXPECT_NE(again, 0u);
    EXPECT_EQ(p.image_refs[0], 1);
    p.ungetimage(again);

    EXPECT_EQ(p.getimage("bad"), 0u);  // counted all the same
    EXPECT_EQ(p.image_refs[1], 1);
}

using TexturedScene = WindowScene;

TEST_F(TexturedScene, TexturedObjectFromAnArchiveIsDrawnAndFoundUnderThePointer) {
    write_archive(folder.file("art.pak"), {{"paper.png", test_data("solid.png")},
                                           {"card", square_object(3.0f, 0.0f, "paper.png")}});
    Object* card = pickable(map, "art.pak", "card", 0.0);
    ASSERT_EQ(card->model_count, 1);
    push_motion(cx(), cy());
    frame();
    EXPECT_EQ(hits.hit, card);
    EXPECT_NEAR(mouse_hover_pixel.r, 40 / 255.0, 0.01);
    EXPECT_NEAR(mouse_hover_pixel.g, 200 / 255.0, 0.01);
    EXPECT_NEAR(mouse_hover_pixel.b, 90 / 255.0, 0.01);
}
