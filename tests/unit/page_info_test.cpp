// The record of an own picture and the check the game makes of every
// archive in its own pictures folder before it shows one.
#include "game/page_info.h"

#include <gtest/gtest.h>

#include <functional>

#include "res/pack.h"
#include "support/file_bytes.h"

namespace {

PageInfo sample_info() {
    PageInfo info;
    info.number = 104;
    info.name = "Katze Mimi \xC3\xA4\xE2\x98\x80";  // ä and a sun
    info.detailed = true;
    info.tubes = 5;
    const uint32_t palette[5] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFFFFFF};
    for (int c = 0; c < 5; ++c) info.palette[c] = palette[c];
    const int counts[5] = {3, 1, 2, 1, 4};
    info.variant.total = 11;
    for (int c = 0; c < 5; ++c) info.variant.regions[c] = counts[c];
    return info;
}

// An archive with the record and the entries its counts call for, each
// entry a few stand-in bytes.
std::vector<unsigned char> archive_of(const std::vector<unsigned char>& record, const PageVariant& variant,
                                      const std::string& leave_out = "") {
    std::vector<std::pair<std::string, std::vector<unsigned char>>> entries{
        {"page_info", record}, {"block", {1}}, {"list_nums", {2}}, {"list_kontur", {3}}};
    for (const PageRegion& r : page_regions(variant)) entries.push_back({r.name, {4}});
    Pack pack;
    for (auto& e : entries)
        if (e.first != leave_out) pack.pushfile(e.first.c_str(), raw{e.second.data(), static_cast<uint32_t>(e.second.size())});
    return pack.bytes();
}

}  // namespace

TEST(PageInfo, AWrittenRecordReadsBackAndItsArchivePassesTheCheck) {
    const PageInfo info = sample_info();
    const std::vector<unsigned char> archive = archive_of(write_page_info(info), info.variant);
    const PageArchiveCheck check = check_page_archive(archive.data(), archive.size());
    ASSERT_EQ(check.error, "");
    EXPECT_EQ(check.info.number, 104);
    EXPECT_EQ(check.info.name, info.name);
    EXPECT_TRUE(check.info.detailed);
    EXPECT_EQ(check.info.tubes, 5);
    EXPECT_EQ(check.info.palette[3], 0xFFFF00u);
    EXPECT_EQ(check.info.palette[5], 0u);
    EXPECT_EQ(check.info.variant.total, 11);
    EXPECT_EQ(check.info.variant.regions[4], 4);
}

TEST(PageInfo, EveryKindOfDamageIsRefusedWithItsReason) {
    const PageInfo good = sample_info();
    const std::vector<unsigned char> bytes = write_page_info(good);
    struct Case {
        const char* reason;
        std::function<void(PageInfo&, std::vector<unsigned char>&)> damage;
    };
    // Byte offsets: number 8, detailed 12, tubes 13, palette 14, total 50,
    // counts 54, name length 94.
    const Case cases[] = {
        {"cut short", [](PageInfo&, std::vector<unsigned char>& b) { b.resize(b.size() - 1); }},
        {"too long", [](PageInfo&, std::vector<unsigned char>& b) { b.push_back(0); }},
        {"not a picture record", [](PageInfo&, std::vector<unsigned char>& b) { b[0] = 'X'; }},
        {"another version", [](PageInfo&, std::vector<unsigned char>& b) { b[4] = 2; }},
        {"number is out of range", [](PageInfo& i, std::vector<unsigned char>&) { i.number = 20; }},
        {"neither simple nor detailed", [](PageInfo&, std::vector<unsigned char>& b) { b[12] = 2; }},
        {"tube count", [](PageInfo&, std::vector<unsigned char>& b) { b[13] = 0; }},
        {"tube count", [](PageInfo&, std::vector<unsigned char>& b) { b[13] = 10; }},
        {"colour that is no colour", [](PageInfo& i, std::vector<unsigned char>&) { i.palette[0] = 0x1000000; }},
        {"colour that is no colour", [](PageInfo& i, std::vector<unsigned char>&) { i.palette[7] = 0x123456; }},
        {"colour without a tube", [](PageInfo& i, std::vector<unsigned char>&) {
             i.variant.regions[6] = 1;
             i.variant.total += 1;
         }},
        {"do not add up", [](PageInfo& i, std::vector<unsigned char>&) { i.variant.total = 12; }},
        {"count is out of range", [](PageInfo& i, std::vector<unsigned char>&) { i.variant.regions[9] = -1; }},
        {"too many regions", [](PageInfo& i, std::vector<unsigned char>&) {
             i.variant.regions[0] = 1500;
             i.variant.regions[1] = 1500;
             i.variant.total = 1500 + 1500 + 2 + 1 + 4;
         }},
        {"nothing to paint", [](PageInfo& i, std::vector<unsigned char>&) {
             i.variant = PageVariant{};
         }},
        {"not UTF-8", [](PageInfo& i, std::vector<unsigned char>&) { i.name = "ab\xC0\xAF"; }},  // overlong '/'
        {"not UTF-8", [](PageInfo& i, std::vector<unsigned char>&) { i.name = "\xED\xA0\x80"; }},  // a surrogate
        {"control character", [](PageInfo& i, std::vector<unsigned char>&) { i.name = "two\nlines"; }},
        {"control character", [](PageInfo& i, std::vector<unsigned char>&) { i.name = "c1 \xC2\x85"; }},
        {"longer than 24", [](PageInfo& i, std::vector<unsigned char>&) { i.name = std::string(25, 'a'); }},
        {"empty", [](PageInfo& i, std::vector<unsigned char>&) { i.name.clear(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        PageInfo info = good;
        std::vector<unsigned char> b = bytes;
        c.damage(info, b);
        if (b == bytes) b = write_page_info(info);
        ASSERT_NE(b, bytes);
        PageInfo out;
        out.number = -7;
        const std::string error = parse_page_info(b.data(), b.size(), out);
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
        EXPECT_EQ(out.number, -7) << "a refused record leaves the info alone";
    }
}

TEST(PageInfo, AnArchiveMissingAnyEntryItNeedsIsRefused) {
    const PageInfo info = sample_info();
    const std::vector<unsigned char> record = write_page_info(info);
    for (const char* missing : {"page_info", "block", "list_nums", "list_kontur", "color1el3", "color5el4"}) {
        const std::vector<unsigned char> archive = archive_of(record, info.variant, missing);
        const PageArchiveCheck check = check_page_archive(archive.data(), archive.size());
        EXPECT_NE(check.error, "") << missing;
    }
    std::vector<unsigned char> cut = archive_of(record, info.variant);
    cut.resize(cut.size() - 2);
    EXPECT_EQ(check_page_archive(cut.data(), cut.size()).error, "the archive is damaged");
}

TEST(PageInfo, OnlyTheGamesOwnSpellingOfAnArchiveNameIsTaken) {
    int number = 0;
    bool detailed = true;
    EXPECT_TRUE(parse_page_archive_name("page101.pak", number, detailed));
    EXPECT_EQ(number, 101);
    EXPECT_FALSE(detailed);
    EXPECT_TRUE(parse_page_archive_name("hpage999999.pak", number, detailed));
    EXPECT_EQ(number, 999999);
    EXPECT_TRUE(detailed);
    for (const char* name : {"page0101.pak", "page101.pak.Xy12Ab", "page1.pak", "hpage.pak", "xpage101.pak",
                             "page+10.pak", "page1000000.pak", "page101.PAK", "pages101.pak"})
        EXPECT_FALSE(parse_page_archive_name(name, number, detailed)) << name;
}

TEST(PageInfo, ANameIsMadeFromAnyTextCutAfter24Characters) {
    EXPECT_EQ(page_name_from("Grandma's house in the summer of 2019"), "Grandma's house in the s");
    EXPECT_EQ(page_name_from("tab\there \xFF!"), "tab_here _!");
    std::string thirty_suns;
    for (int i = 0; i < 30; ++i) thirty_suns += "\xE2\x98\x80";
    const std::string suns = page_name_from(thirty_suns);
    EXPECT_EQ(suns.size(), 24u * 3);
    EXPECT_EQ(check_page_name(suns), "");
}

TEST(PageInfo, TheFuzzSeedsAreWhatTheirNamesSay) {
    const std::string seeds = std::string(PINTABO_TEST_DATA) + "/../../fuzz/corpus/page_archive/";
    for (const char* name :
         {"valid", "detailed", "missing_region", "cut", "bad_name", "bad_total", "ten_million_entries"}) {
        const std::vector<unsigned char> bytes = read_bytes(seeds + name);
        ASSERT_FALSE(bytes.empty()) << name;
        const bool good = std::string(name) == "valid" || std::string(name) == "detailed";
        EXPECT_EQ(check_page_archive(bytes.data(), bytes.size()).error.empty(), good) << name;
    }
}

// An archive with more entries than any page has (millions of empty ones
// would take the game's memory at every start) is refused on its count,
// even when everything a page needs is in it too.
TEST(PageInfo, AnArchiveWithMoreEntriesThanAPageHoldsIsRefused) {
    const PageInfo info = sample_info();
    Pack pack;
    const std::vector<unsigned char> whole = archive_of(write_page_info(info), info.variant);
    ASSERT_TRUE(pack.parse(whole.data(), whole.size()));
    const unsigned char nothing = 0;
    while (pack.files.size() <= static_cast<size_t>(page_max_entries)) pack.pushfile("", raw{const_cast<unsigned char*>(&nothing), 0});
    const std::vector<unsigned char> padded = pack.bytes();
    EXPECT_EQ(check_page_archive(padded.data(), padded.size()).error, "the archive holds more entries than a page can");
    Pack capped;
    EXPECT_FALSE(capped.parse(padded.data(), padded.size(), page_max_entries));
    EXPECT_TRUE(capped.files.empty()) << "refused before any entry is kept";
}
