// Reading procedural texture names: what they ask for, and every way a name
// can fail to be one.
#include <gtest/gtest.h>

#include <vector>

#include "res/texturebase.h"

TEST(TextureName, KindSidesAndBaseColourAreRead) {
    TextureRecipe r;
    ASSERT_TRUE(parse_texture_name("##Plasma64x32x10x20x255", 1024, &r));
    EXPECT_EQ(r.kind, TextureRecipe::plasma);
    EXPECT_EQ(r.width, 64);
    EXPECT_EQ(r.height, 32);
    EXPECT_EQ((std::vector<int>{r.base[0], r.base[1], r.base[2]}), (std::vector<int>{10, 20, 255}));
    ASSERT_TRUE(parse_texture_name("a#Plasma1,1:0/0;007", 1024, &r));  // any first character and separators
    EXPECT_EQ(r.base[2], 7);
    ASSERT_TRUE(parse_texture_name("##Fire1024x2", 1024, &r));
    EXPECT_EQ(r.kind, TextureRecipe::fire);
    EXPECT_EQ(r.width, 1024);
    EXPECT_EQ(r.height, 2);
}

TEST(TextureName, AnythingElseIsRefusedAndLeavesTheRecipeAlone) {
    const char* refused[] = {
        nullptr, "", "#", "#Plasma64x64x1x2x3", "##Plasma", "##Plasma64", "##Plasma64x", "##Plasma64x64",
        "##Plasma64x64x1x2", "##Plasma64x64x1x2x", "##Fire64x",
        "##Plasma48x64x1x2x3", "##Plasma64x0x1x2x3", "##Fire8x6",                   // not powers of two
        "##Fire2048x64", "##Plasma99999999999999999999x64x1x2x3",                   // too large
        "##Fire64x1", "##Fire1x1",                                                  // a fire needs two rows
        "##plasma64x64x1x2x3", "##Fire 64x64", "##Smoke64x64", "##64x64",          // unknown kinds
        "##Plasma64x64x1x2x3x", "##Fire64x64x1", "##Fire64x64 ", "##Fire64x-64",   // trailing junk
        "##Plasma64x64x300x2x3", "##Plasma64x64x1x256x3", "##Plasma64x64x1x2x-3",  // colours
    };
    for (const char* name : refused) {
        TextureRecipe r;
        r.width = -7;
        EXPECT_FALSE(parse_texture_name(name, 1024, &r)) << (name ? name : "(null)");
        EXPECT_EQ(r.width, -7) << (name ? name : "(null)");
    }
    TextureRecipe r;
    EXPECT_FALSE(parse_texture_name("##Plasma1x1x0x0x0", 0, &r));  // no GL context, no limit
    // The name ends inside a buffer whose rest would complete it.
    const char cut[] = "##Plasma8x8x1x2\0x3";
    EXPECT_FALSE(parse_texture_name(cut, 1024, &r));
}
