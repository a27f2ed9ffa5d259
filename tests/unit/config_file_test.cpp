#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

#include "save/config.h"
#include "save/settings_file.h"
#include "support/config_bytes.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace {

bool same(const Color& a, double r, double g, double b) { return a.r == r && a.g == g && a.b == b; }

std::string saved_through_stream(const Config& c, const TempFolder& folder) {
    {
        std::ofstream out(folder.file("out.cfg"), std::ios::binary | std::ios::trunc);
        c.save(out);
    }
    return read_text(folder.file("out.cfg"));
}

}  // namespace

TEST(ConfigFile, ANewObjectSavesToTwentyNineBytes) {
    TempFolder folder;
    const std::string expected("\x01\0\0\0"
                               "\0\0\0\0"
                               "\x01\x01\x01"
                               "\0\0\0\0"
                               "\x01\0"
                               "\0\0\0\0"
                               "\xFF\xFF\xFF\xFF"
                               "\0\0\0\0",
                               29);
    EXPECT_EQ(saved_through_stream(Config(), folder), expected);
    EXPECT_EQ(settings_bytes(Config()), expected);
}

TEST(ConfigFile, ARichFileReadsEveryFieldAndWritesBackByteForByte) {
    TempFolder folder;
    const std::string file = rich_settings_file();
    const Config c = read_config(file);
    EXPECT_FALSE(c.damaged);
    EXPECT_FALSE(c.help_on_start);
    EXPECT_TRUE(c.sound_on);
    EXPECT_FALSE(c.music_on);
    EXPECT_EQ(c.language, 3);
    EXPECT_FALSE(c.by_numbers);
    EXPECT_TRUE(c.detailed);
    EXPECT_EQ(c.page_index, 1);
    EXPECT_EQ(c.pages, rich_pages);
    EXPECT_TRUE(tables_match_pages(c));
    for (size_t i = 0; i < 3; ++i) EXPECT_TRUE(c.const_colors_qor[i].empty());
    EXPECT_TRUE(c.const_colors.empty());

    ASSERT_EQ(c.custom_colors.size(), 2u);
    EXPECT_EQ(c.custom_colors[1].uid, 4);
    EXPECT_TRUE(same(c.custom_colors[1].color, 1.0 / 3.0, -0.0, 1.0));
    EXPECT_TRUE(std::signbit(c.custom_colors[1].color.g));
    ASSERT_EQ(c.pieces_qor[0].size(), 3u);
    EXPECT_EQ(c.pieces_qor[0][2].uid, 35);
    EXPECT_EQ(c.pieces_qor[0][2].num, 2);
    EXPECT_EQ(c.hpieces_qor[0][0].num, 9);
    ASSERT_EQ(c.pieces[1].size(), 2u);
    EXPECT_EQ(c.pieces[1][1].uid, 51);
    EXPECT_TRUE(same(c.hpieces[2][0].color, 0.75, 0.5, 0.25));
    EXPECT_EQ(c.custom_colors_qor[2][1].uid, 0);
    EXPECT_EQ(c.hpieces_qor[2].size(), 2u);

    EXPECT_EQ(settings_bytes(c), file);
    EXPECT_EQ(saved_through_stream(c, folder), file);
}

TEST(ConfigFile, ReservedTextIsSkippedAndNotWrittenBack) {
    // The reserved text looks like a version, a count and flags on purpose.
    const std::string reserved("\x01\0\0\0\x05\0\0\0\x01", 9);
    const Config c = read_config(rich_settings_file(reserved));
    EXPECT_FALSE(c.damaged);
    EXPECT_EQ(c.language, 3);
    EXPECT_EQ(c.pages, rich_pages);
    EXPECT_EQ(settings_bytes(c), rich_settings_file());
}

TEST(ConfigFile, AnotherVersionKeepsItsOptionsButNoProgress) {
    Config_bytes f;
    f.header(2, "", false, true, false, 4, false, true);
    f.i32(1).colour(0, 0.5, 0.5, 0.5).i32(0).i32(1).i32(3);
    const Config c = read_config(f.bytes);
    EXPECT_TRUE(c.damaged) << "its progress is not ours to write over: the first save keeps it as a backup";
    EXPECT_FALSE(c.help_on_start);
    EXPECT_TRUE(c.sound_on);
    EXPECT_FALSE(c.music_on);
    EXPECT_EQ(c.language, 4);
    EXPECT_FALSE(c.by_numbers);
    EXPECT_TRUE(c.detailed);
    EXPECT_EQ(c.page_index, -1);
    EXPECT_TRUE(c.pages.empty());
    EXPECT_TRUE(c.custom_colors.empty());
    EXPECT_TRUE(tables_match_pages(c));
}

TEST(ConfigFile, AnObjectComesBackFromItsFileExceptWhatIsNeverStored) {
    Config c;
    c.set_page(20);
    c.set_quality(40);
    c.set_const_color(0, Color(0.1, 0.2, 0.3));
    c.set_custom_color(5, Color(1e-300, 0.999999999999, 0.5));
    c.set_color(511, Color(), 5);
    c.set_color(12, Color(), 0);
    c.set_page(1);
    c.by_numbers = false;
    c.set_const_color(1, Color(1.0, 1.0, 1.0));
    c.set_color(99, Color(0.25, 0.0, 1.0), 0);

    const Config back = read_config(settings_bytes(c));
    EXPECT_FALSE(back.damaged);
    EXPECT_EQ(back.page_index, 1);
    EXPECT_EQ(back.pieces_qor[0][1].uid, 12);
    EXPECT_TRUE(same(back.custom_colors_qor[0][0].color, 1e-300, 0.999999999999, 0.5));
    EXPECT_EQ(settings_bytes(back), settings_bytes(c));
    // Palettes and the region count are set again by the pictures, never read.
    EXPECT_TRUE(back.const_colors.empty() && back.const_colors_qor[0].empty());
    EXPECT_EQ(back.quality, 0);
}

// The switch options ride in the reserved block: they come back, and a
// reader that skips the block (an older game) finds the file it always read.
TEST(ConfigFile, SwitchOptionsRideInTheReservedBlockAnOlderReaderSkips) {
    Config c;
    c.set_page(4);
    c.set_color(41, Color(1, 0, 0), 0);
    const std::string plain = settings_bytes(c);
    c.switch_scanning = 1;
    c.scan_speed = 2;
    const std::string with = settings_bytes(c);
    const Config back(reinterpret_cast<const unsigned char*>(with.data()), with.size());
    EXPECT_FALSE(back.damaged);
    EXPECT_EQ(back.switch_scanning, 1);
    EXPECT_EQ(back.scan_speed, 2);
    EXPECT_EQ(back.pages, c.pages);
    int32_t reserved = 0;
    std::memcpy(&reserved, with.data() + 4, 4);
    ASSERT_GT(reserved, 0);
    EXPECT_EQ(with.substr(0, 4) + std::string(4, '\0') + with.substr(8 + static_cast<size_t>(reserved)), plain);
    // Someone else's reserved text is left unread.
    std::string foreign = with;
    foreign[8] = 'X';
    const Config other(reinterpret_cast<const unsigned char*>(foreign.data()), foreign.size());
    EXPECT_EQ(other.switch_scanning, 0);
    EXPECT_FALSE(other.damaged);
}
