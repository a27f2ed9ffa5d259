#include <gtest/gtest.h>

#include <cstring>

#include "save/config.h"
#include "support/config_bytes.h"

namespace {

const Color white(1.0, 1.0, 1.0);
const Color red(1.0, 0.0, 0.0);
const Color blue(0.0, 0.0, 1.0);
const Color green(0.0, 1.0, 0.0);

void expect_color(Color actual, Color expected) {
    EXPECT_TRUE(actual.eq(expected)) << actual.r << " " << actual.g << " " << actual.b;
}

}  // namespace

TEST(ConfigState, SetPageAddsEachPictureOnceAndGrowsEveryTable) {
    Config c;
    c.set_page(5);
    c.set_page(3);
    EXPECT_EQ(c.page_index, 1);
    c.set_color(11, red, 0);
    c.set_page(5);
    EXPECT_EQ(c.page_index, 0);
    EXPECT_EQ(c.get_page(), 5);
    EXPECT_EQ(c.pages, (std::vector<int32_t>{5, 3}));
    EXPECT_TRUE(tables_match_pages(c));
    EXPECT_TRUE(c.is_clean());  // picture 3's region is not picture 5's
    c.set_page(3);
    EXPECT_TRUE(c.get_color_state(11));
}

TEST(ConfigState, WithoutAPictureEveryQuestionHasASafeAnswer) {
    Config c;
    c.set_custom_color(0, red);  // free colouring is off: no picture palette to change
    EXPECT_EQ(c.get_page(), 0);
    EXPECT_TRUE(c.is_clean());
    EXPECT_TRUE(c.is_finish());
    EXPECT_FALSE(c.exist_custom_colors());
    c.set_color(11, red, 1);
    c.clear_color();
    EXPECT_FALSE(c.get_color_state(11));
    expect_color(c.get_color(11), white);
    EXPECT_TRUE(c.pages.empty());
}

TEST(ConfigState, FreeColouringWhiteRemovesAPaintedRegionButMarksAnUnpaintedOne) {
    Config c;
    c.by_numbers = false;
    c.set_page(1);
    c.set_color(12, red, 7);
    c.set_color(14, green, 7);
    EXPECT_TRUE(c.get_color_state(12));
    expect_color(c.get_color(12), red);
    c.set_color(12, blue, 0);
    expect_color(c.get_color(12), blue);
    ASSERT_EQ(c.pieces[0].size(), 2u);

    c.set_color(12, white, 0);
    EXPECT_FALSE(c.get_color_state(12));
    expect_color(c.get_color(12), white);
    ASSERT_EQ(c.pieces[0].size(), 1u);
    EXPECT_EQ(c.pieces[0][0].uid, 14);  // the others keep their order

    c.set_color(13, white, 0);
    EXPECT_TRUE(c.get_color_state(13));
    expect_color(c.get_color(13), white);
    EXPECT_TRUE(c.hpieces[0].empty());
    EXPECT_TRUE(c.pieces_qor[0].empty());
}

TEST(ConfigState, PaintByNumbersKeepsEachVariantApartAndTakesColoursFromThePalette) {
    Config c;
    c.set_page(4);
    c.set_const_color(1, red);
    c.set_const_color(2, blue);
    c.set_color(210, green, 1);
    c.set_color(210, green, 1);  // painting again changes the record, adds none
    EXPECT_EQ(c.pieces_qor[0].size(), 1u);
    expect_color(c.get_color(210), red);

    c.detailed = true;
    EXPECT_FALSE(c.get_color_state(210));
    c.set_color(210, green, 2);
    expect_color(c.get_color(210), blue);

    c.detailed = false;
    expect_color(c.get_color(210), red);
    c.set_color(210, green, 2);
    EXPECT_EQ(c.pieces_qor[0][0].num, 2);
    c.by_numbers = false;
    EXPECT_FALSE(c.get_color_state(210));  // free colouring has tables of its own
}

TEST(ConfigState, AReplacementColourWinsUntilTheReplacementsAreReset) {
    Config c;
    c.set_page(1);
    c.set_const_color(3, red);
    c.set_custom_color(3, blue);
    expect_color(c.get_custom_color(3), blue);
    expect_color(c.get_color_qor_by_uid(3), blue);
    EXPECT_TRUE(c.exist_custom_colors());

    // Free colouring shares one palette among all pictures, and the lookup of
    // a picture's own palette ignores the mode.
    c.by_numbers = false;
    EXPECT_FALSE(c.exist_custom_colors());
    c.set_const_color(3, green);
    c.set_custom_color(3, red);
    expect_color(c.get_color_qor_by_uid(3), blue);
    c.set_page(2);
    expect_color(c.get_custom_color(3), red);
    c.reset_custom_colors();
    expect_color(c.get_custom_color(3), green);

    c.by_numbers = true;
    c.set_page(1);
    c.reset_custom_colors();
    EXPECT_FALSE(c.exist_custom_colors());
    expect_color(c.get_custom_color(3), red);
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
    c.by_numbers = false;
    c.detailed = true;
    c.clear_color();
    EXPECT_TRUE(c.hpieces[1].empty());
    EXPECT_EQ(c.pieces[1].size(), 1u);
    EXPECT_EQ(c.hpieces[0].size(), 1u);

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
    EXPECT_FALSE(c.is_finish());
    EXPECT_FALSE(c.is_clean());
    c.set_color(12, red, 1);  // repainting adds no record
    EXPECT_FALSE(c.is_finish());
    c.set_color(13, red, 0);
    EXPECT_TRUE(c.is_finish());
}

TEST(ConfigState, PaletteRecordsAreReplacedAtTheFirstMatchOrAppended) {
    std::vector<Custom_color> table{{1, red}, {1, green}};
    set_color_in_vector_by_uid(1, blue, table);
    set_color_in_vector_by_uid(2, white, table);
    ASSERT_EQ(table.size(), 3u);
    expect_color(table[0].color, blue);
    expect_color(table[1].color, green);
    EXPECT_EQ(table[2].uid, 2);
}

TEST(ConfigState, DefaultsAndLanguageArchives) {
    Config c;
    c.help_on_start = c.sound_on = c.music_on = c.by_numbers = false;
    c.detailed = true;
    c.set_language(3);
    c.set_page(9);
    c.set_default(true);
    EXPECT_EQ(c.page_index, -1);
    EXPECT_FALSE(c.sound_on);
    EXPECT_STREQ(c.langpak(), "langru.pak");
    c.set_default(false);
    EXPECT_TRUE(c.help_on_start && c.sound_on && c.music_on && c.by_numbers);
    EXPECT_FALSE(c.detailed);
    EXPECT_EQ(c.get_language(), 0);
    EXPECT_EQ(c.pages.size(), 1u);  // progress stays

    const char* expected[] = {"langen.pak", "langde.pak", "langes.pak", "langru.pak", "langfr.pak"};
    for (int i = 0; i < 5; ++i) {
        c.set_language(i);
        EXPECT_STREQ(c.langpak(), expected[i]);
    }
    c.set_language(9);  // only a damaged file can hold this
    EXPECT_STREQ(c.langpak(), "langen.pak");
}
