#include <gtest/gtest.h>

#include "save/config.h"
#include "support/config_bytes.h"

namespace {

const Color white(1.0, 1.0, 1.0);
const Color red(1.0, 0.0, 0.0);
const Color green(0.0, 1.0, 0.0);
const Color blue(0.0, 0.0, 1.0);

#define EXPECT_COLOR(actual, expected) EXPECT_TRUE((actual).eq(expected))

}  // namespace

TEST(ConfigState, EachPictureIsAddedOnceWithAnEntryInEveryTable) {
    Config c;
    c.set_page(5);
    c.set_page(3);
    c.set_color(11, red, 0);
    c.set_page(5);
    EXPECT_EQ(c.page_index, 0);
    EXPECT_EQ(c.get_page(), 5);
    EXPECT_EQ(c.pages, (std::vector<int32_t>{5, 3}));
    EXPECT_TRUE(tables_match_pages(c));
    EXPECT_TRUE(c.is_clean());
    c.set_page(3);
    EXPECT_TRUE(c.get_color_state(11));
}

TEST(ConfigState, WithoutAPictureEveryQuestionHasASafeAnswer) {
    Config c;
    EXPECT_EQ(c.get_page(), 0);
    EXPECT_TRUE(c.is_clean() && c.is_finish());
    EXPECT_FALSE(c.exist_custom_colors());
    // Not asked by the game before a picture is built, but must not crash.
    c.set_custom_color(0, red);
    c.set_color(11, red, 1);
    c.clear_color();
    EXPECT_FALSE(c.get_color_state(11));
    EXPECT_COLOR(c.get_color(11), white);
}

TEST(ConfigState, InFreeColouringWhiteUnpaintsAPaintedRegionButPaintsAnUnpaintedOne) {
    Config c;
    c.by_numbers = false;
    c.set_page(1);
    c.set_color(12, red, 7);
    c.set_color(14, green, 7);
    c.set_color(12, blue, 0);
    EXPECT_COLOR(c.get_color(12), blue);
    c.set_color(12, white, 0);
    EXPECT_FALSE(c.get_color_state(12));
    EXPECT_COLOR(c.get_color(12), white);
    ASSERT_EQ(c.pieces[0].size(), 1u);
    EXPECT_EQ(c.pieces[0][0].uid, 14);

    c.set_color(13, white, 0);
    EXPECT_TRUE(c.get_color_state(13));
    EXPECT_TRUE(c.hpieces[0].empty() && c.pieces_qor[0].empty());
}

TEST(ConfigState, PaintByNumbersKeepsEachVariantApartAndColoursFromThePalette) {
    Config c;
    c.set_page(4);
    c.set_const_color(1, red);
    c.set_const_color(2, blue);
    c.set_color(210, green, 1);
    c.set_color(210, green, 1);
    EXPECT_EQ(c.pieces_qor[0].size(), 1u);
    EXPECT_COLOR(c.get_color(210), red);

    c.detailed = true;
    EXPECT_FALSE(c.get_color_state(210));
    c.set_color(210, green, 2);
    EXPECT_COLOR(c.get_color(210), blue);
    c.detailed = false;
    EXPECT_COLOR(c.get_color(210), red);
    c.by_numbers = false;
    EXPECT_FALSE(c.get_color_state(210));
}

TEST(ConfigState, AReplacementColourWinsUntilTheReplacementsAreReset) {
    Config c;
    c.set_page(1);
    c.set_const_color(3, red);
    c.set_custom_color(3, blue);
    EXPECT_COLOR(c.get_custom_color(3), blue);
    EXPECT_TRUE(c.exist_custom_colors());

    // Free colouring shares one palette among all pictures; the lookup of a
    // picture's own palette ignores the mode.
    c.by_numbers = false;
    EXPECT_FALSE(c.exist_custom_colors());
    c.set_const_color(3, green);
    c.set_custom_color(3, red);
    EXPECT_COLOR(c.get_color_qor_by_uid(3), blue);
    c.set_page(2);
    EXPECT_COLOR(c.get_custom_color(3), red);
    c.reset_custom_colors();
    EXPECT_COLOR(c.get_custom_color(3), green);

    c.by_numbers = true;
    c.set_page(1);
    c.reset_custom_colors();
    EXPECT_FALSE(c.exist_custom_colors());
    EXPECT_COLOR(c.get_custom_color(3), red);
}

TEST(ConfigState, ClearingEmptiesRegionTablesOnly) {
    Config c;
    for (int page : {1, 2}) {
        c.set_page(page);
        for (bool by_numbers : {true, false})
            for (bool detailed : {true, false}) {
                c.by_numbers = by_numbers;
                c.detailed = detailed;
                c.set_color(11, red, 0);
                c.set_custom_color(0, blue);
            }
    }
    c.clear_color();  // picture 2, free colouring, simple
    EXPECT_TRUE(c.pieces[1].empty());
    EXPECT_EQ(c.hpieces[1].size() + c.pieces[0].size(), 2u);

    c.clearall_color();
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_TRUE(c.pieces[i].empty() && c.hpieces[i].empty() && c.pieces_qor[i].empty() &&
                    c.hpieces_qor[i].empty());
        EXPECT_EQ(c.custom_colors_qor[i].size(), 1u);
    }
    EXPECT_EQ(c.custom_colors.size(), 1u);
    EXPECT_EQ(c.pages, (std::vector<int32_t>{1, 2}));
}

TEST(ConfigState, APictureIsFinishedExactlyWhenItsRecordsNumberItsRegions) {
    Config c;
    c.set_page(1);
    c.set_quality(3);
    c.set_color(11, red, 0);
    c.set_color(12, red, 0);
    c.set_color(12, red, 1);
    EXPECT_FALSE(c.is_finish());
    c.set_color(13, red, 0);
    EXPECT_TRUE(c.is_finish());
}

TEST(ConfigState, PaletteRecordsAreReplacedAtTheFirstMatchOrAppended) {
    std::vector<Custom_color> table{{1, red}, {1, green}};
    set_color_in_vector_by_uid(1, blue, table);
    set_color_in_vector_by_uid(2, white, table);
    ASSERT_EQ(table.size(), 3u);
    EXPECT_COLOR(table[0].color, blue);
    EXPECT_COLOR(table[1].color, green);
}

TEST(ConfigState, DefaultsKeepProgressAndLanguagesNameTheirArchives) {
    Config c;
    c.sound_on = false;
    c.detailed = true;
    c.set_language(3);
    c.set_page(9);
    c.set_default(true);
    EXPECT_EQ(c.page_index, -1);
    EXPECT_FALSE(c.sound_on);
    EXPECT_STREQ(c.langpak(), "langru.pak");
    c.set_default(false);
    EXPECT_TRUE(c.sound_on && !c.detailed && c.language == 0);
    EXPECT_EQ(c.pages.size(), 1u);
    c.set_language(4);
    EXPECT_STREQ(c.langpak(), "langfr.pak");
    c.set_language(9);  // only a damaged file can hold this
    EXPECT_STREQ(c.langpak(), "langen.pak");
    EXPECT_EQ(c.language_index(), 0);
    EXPECT_EQ(c.get_language(), 9) << "the stored value is kept";
    c.set_language(-1);
    EXPECT_EQ(c.language_index(), 0);
}
