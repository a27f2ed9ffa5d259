#include "res/pack.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/temp_folder.h"
#include "support/test_archive.h"

namespace {

std::string text_of(raw r) { return std::string(reinterpret_cast<const char*>(r.data), r.size); }

Bytes bytes_of(const std::string& s) { return Bytes(s.begin(), s.end()); }

}  // namespace

TEST(Pack, EmptyAndNonPositiveCountsLoadAsEmptyArchives) {
    TempFolder f;
    f.write("zero.pak", {0, 0, 0, 0});
    f.write("negative.pak", {0xFF, 0xFF, 0xFF, 0xFF, 'x'});
    for (const char* name : {"zero.pak", "negative.pak"}) {
        Pack p(f.file(name).c_str());
        EXPECT_TRUE(p.names.empty());
        EXPECT_EQ(p.getfile("x").data, nullptr);
        EXPECT_EQ(p.getfile("x").size, 0u);
        EXPECT_EQ(p.getimage("x"), 0u);
    }
}

TEST(Pack, SaveOfALoadedArchiveIsByteIdentical) {
    TempFolder f;
    write_archive(f.file("a.pak"), {{"", bytes_of("nameless")},
                                    {"empty", {}},
                                    {"twice", bytes_of("first")},
                                    {"twice", bytes_of("second")},
                                    {std::string(127, 'n'), bytes_of("long name")},
                                    {std::string("bin\0ary", 7), {0, 1, 2, 255}}});
    Pack p(f.file("a.pak").c_str());
    ASSERT_EQ(p.names.size(), 6u);
    EXPECT_EQ(p.files[1].size, 0u);
    EXPECT_EQ(text_of(p.getfile("twice")), "first");
    EXPECT_EQ(text_of(p.getfile("")), "nameless");
    EXPECT_EQ(p.getfile("Twice").data, nullptr);  // names are case-sensitive
    ASSERT_TRUE(p.save(f.file("b.pak").c_str()));
    EXPECT_EQ(f.read("a.pak"), f.read("b.pak"));
}

TEST(Pack, WriterRefusesNamesOver127Bytes) {
    Pack p;
    raw r;
    EXPECT_EQ(p.pushfile(std::string(127, 'a').c_str(), r), 1);
    EXPECT_EQ(p.pushfile(std::string(128, 'a').c_str(), r), 0);
    EXPECT_EQ(p.names.size(), 1u);
    EXPECT_EQ(p.pushfile("/no/such/file"), 0);
}

TEST(Pack, PushfileKeepsTheWholePathAsName) {
    TempFolder f;
    f.write("inner.bin", bytes_of("abc"));
    Pack p;
    ASSERT_EQ(p.pushfile(f.file("inner.bin").c_str()), 1);
    EXPECT_EQ(text_of(p.getfile(f.file("inner.bin").c_str())), "abc");
    EXPECT_EQ(p.getfile("inner.bin").data, nullptr);
    EXPECT_EQ(p.images.size(), 1u);
    EXPECT_EQ(p.image_refs.size(), 1u);
}

TEST(Pack, UnpackAllPutsThePrefixRightBeforeTheName) {
    TempFolder f;
    Pack p;
    const Bytes data = bytes_of("hello");
    raw r;
    r.data = const_cast<unsigned char*>(data.data());
    r.size = 5;
    p.pushfile("entry", r);
    ASSERT_TRUE(p.unpack_all(f.prefix().c_str()));
    EXPECT_EQ(f.read("entry"), data);
    // Without the slash the files land beside the folder, named after it.
    ASSERT_TRUE(p.unpack_all(f.path().c_str()));
    TempFolder probe;
    std::string beside = f.path() + "entry";
    FILE* opened = std::fopen(beside.c_str(), "rb");
    ASSERT_NE(opened, nullptr);
    std::fclose(opened);
    std::remove(beside.c_str());
}

// A truncated or lying archive never reads past its data, never allocates by
// a size it cannot back, and keeps the entries read whole before the fault.
TEST(Pack, DamagedArchivesKeepTheWholeEntriesBeforeTheFault) {
    TempFolder f;
    write_archive(f.file("good.pak"), {{"one", bytes_of("11111")}, {"two", bytes_of("22222")}});
    const Bytes good = f.read("good.pak");

    for (size_t cut = 0; cut < good.size(); ++cut) {
        Pack p;
        const bool whole = p.parse(good.data(), cut);
        EXPECT_FALSE(whole && cut < good.size() && cut != 0) << "cut " << cut;
        const size_t second_start = 4 + 1 + 3 + 4 + 5;
        EXPECT_EQ(p.names.size(), cut >= second_start ? 1u : 0u) << "cut " << cut;
    }

    Bytes huge_count = good;
    huge_count[3] = 0x7F;  // two billion entries announced
    Pack a;
    EXPECT_FALSE(a.parse(huge_count.data(), huge_count.size()));
    EXPECT_EQ(a.names.size(), 2u);

    Bytes huge_size = good;
    huge_size[4 + 1 + 3 + 3] = 0xF0;  // the first entry claims 4 GB
    Pack b;
    EXPECT_FALSE(b.parse(huge_size.data(), huge_size.size()));
    EXPECT_TRUE(b.names.empty());

    Bytes negative_name = good;
    negative_name[4] = 0x80;
    Pack c;
    EXPECT_FALSE(c.parse(negative_name.data(), negative_name.size()));
    EXPECT_TRUE(c.names.empty());

    // Bytes after the last entry are ignored.
    Bytes trailing = good;
    trailing.push_back(42);
    Pack d;
    EXPECT_TRUE(d.parse(trailing.data(), trailing.size()));
    EXPECT_EQ(d.names.size(), 2u);
}

TEST(PackDeathTest, MissingArchiveNamesTheFileItsFolderAndTheRemedyAndExitsWithOne) {
    EXPECT_EXIT(Pack("/no/such/folder/interface.pak"), ::testing::ExitedWithCode(1),
                "cannot open the archive interface.pak \\(No such file or directory\\); the game's archives are "
                "looked for in /no/such/folder/\\. Reinstalling the game, or running make");
}

TEST(Pack, MissingImageChangesNoCount) {
    Pack p;
    raw r;
    p.pushfile("x", r);
    EXPECT_EQ(p.getimage("y"), 0u);
    EXPECT_EQ(p.image_refs[0], 0);
    p.ungetimage(0);
    EXPECT_EQ(p.image_refs[0], 0);
}
