#include <gtest/gtest.h>

#include <climits>

#include "save/config.h"
#include "support/config_bytes.h"

// What the reader makes of files cut short or holding impossible counts: it
// keeps what came before the fault, pictures only as whole blocks, and marks
// the file damaged.

TEST(ConfigDamaged, EveryCutKeepsExactlyThePicturesReadWhole) {
    std::vector<size_t> block_ends;
    const std::string file = rich_settings_file("abc", &block_ends);
    const size_t options_end = 4 + 4 + 3 + 3 + 4 + 2;
    for (size_t cut = 0; cut < file.size(); ++cut) {
        SCOPED_TRACE(cut);
        const Config c = read_config(file.substr(0, cut));
        EXPECT_TRUE(c.damaged);
        EXPECT_TRUE(tables_match_pages(c));
        size_t whole = 0;
        while (whole < block_ends.size() && block_ends[whole] <= cut) ++whole;
        EXPECT_EQ(c.pages, std::vector<int32_t>(rich_pages.begin(), rich_pages.begin() + whole));
        // The current picture is the second one: kept only with it.
        EXPECT_EQ(c.page_index, whole >= 2 ? 1 : -1);
        if (cut >= options_end) {
            EXPECT_EQ(c.language, 3);
        }
        if (whole == 3) {
            EXPECT_EQ(c.hpieces[2].size(), 1u);
        }
    }
    EXPECT_FALSE(read_config(file).damaged);
}

TEST(ConfigDamaged, CountsLargerThanTheFileAreRefusedBeforeAnyAllocation) {
    // Reserved text longer than the file: only the defaults remain.
    Config_bytes huge_reserved;
    huge_reserved.i32(1).i32(INT_MAX).text("\0\0\0\0\0\0\0\0");
    Config c = read_config(huge_reserved.bytes);
    EXPECT_TRUE(c.damaged);
    EXPECT_TRUE(c.help_on_start && c.by_numbers);

    Config_bytes huge_colours;
    huge_colours.header(1, "", false, false, false, 1, false, false).i32(INT_MAX).colour(0, 1, 1, 1);
    c = read_config(huge_colours.bytes);
    EXPECT_TRUE(c.damaged);
    EXPECT_FALSE(c.sound_on);
    EXPECT_TRUE(c.custom_colors.empty());

    // A lying picture count ends at the first block that is not there; a
    // lying count inside a block drops that block.
    Config_bytes huge_pictures;
    huge_pictures.header(1, "", true, true, true, 0, true, false).i32(0).i32(0).i32(INT_MAX);
    huge_pictures.i32(6).i32(0).i32(1).number(11, 0).i32(0).i32(0).i32(0);
    huge_pictures.i32(8).i32(0).i32(INT_MAX / 8).number(11, 0);
    c = read_config(huge_pictures.bytes);
    EXPECT_TRUE(c.damaged);
    EXPECT_EQ(c.pages, std::vector<int32_t>{6});
    EXPECT_EQ(c.pieces_qor[0].size(), 1u);
    EXPECT_EQ(c.page_index, 0);
    EXPECT_TRUE(tables_match_pages(c));
}

TEST(ConfigDamaged, NegativeCountsAndLengthsAreFaults) {
    Config_bytes negative_reserved;
    negative_reserved.i32(1).i32(-4).byte(0).byte(0).byte(0).i32(2).byte(0).byte(1);
    Config c = read_config(negative_reserved.bytes);
    EXPECT_TRUE(c.damaged);
    EXPECT_EQ(c.language, 0);

    Config_bytes negative_pictures;
    negative_pictures.header(1, "", true, true, true, 2, true, false).i32(0).i32(-1).i32(-3);
    c = read_config(negative_pictures.bytes);
    EXPECT_TRUE(c.damaged);
    EXPECT_EQ(c.language, 2);
    EXPECT_TRUE(c.pages.empty());
    EXPECT_EQ(c.page_index, -1);
}

TEST(ConfigDamaged, ACurrentPictureThatIsNotListedBecomesNone) {
    for (int32_t index : {1, -2, INT_MIN}) {
        Config_bytes f;
        f.header(1, "", true, true, true, 0, true, false).i32(0).i32(index).i32(1);
        f.i32(3).i32(0).i32(0).i32(0).i32(0).i32(0);
        const Config c = read_config(f.bytes);
        EXPECT_EQ(c.page_index, -1);
        EXPECT_TRUE(c.damaged);
        EXPECT_EQ(c.pages, std::vector<int32_t>{3});
    }
}

TEST(ConfigDamaged, OptionBytesOtherThanZeroOrOneReadAsOn) {
    Config_bytes f;
    f.i32(1).i32(0).byte(0x80).byte(2).byte(0).i32(0).byte(0xFF).byte(0).i32(0).i32(-1).i32(0);
    const Config c = read_config(f.bytes);
    EXPECT_FALSE(c.damaged);
    EXPECT_TRUE(c.help_on_start && c.sound_on && c.by_numbers);
    EXPECT_FALSE(c.music_on || c.detailed);
}
