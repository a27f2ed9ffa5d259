#include "res/media.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include "support/temp_folder.h"
#include "support/test_archive.h"

namespace {

class MediaCache : public ::testing::Test {
protected:
    TempFolder folder;
    Media cache;
    void SetUp() override {
        write_archive(folder.file("a.pak"), {{"file", {1, 2, 3}}});
        cache.setpwd(folder.prefix());
    }
};

}  // namespace

TEST_F(MediaCache, ArchivesAreSharedAndClosedAfterTheirLastReference) {
    const raw first = cache.get("a.pak", "file");
    const raw second = cache.get("a.pak", "file");
    EXPECT_EQ(first.data, second.data);
    ASSERT_EQ(cache.packs.size(), 1u);
    EXPECT_EQ(cache.pack_refs[0], 2);
    cache.unget("a.pak");
    EXPECT_EQ(cache.packs.size(), 1u);
    cache.unget("a.pak");
    EXPECT_TRUE(cache.packs.empty());
    cache.unget("a.pak");  // not open: nothing happens
    EXPECT_TRUE(cache.packs.empty());

    // Opened again from disk: the file may have changed meanwhile.
    write_archive(folder.file("a.pak"), {{"file", {9}}});
    const raw again = cache.get("a.pak", "file");
    ASSERT_EQ(again.size, 1u);
    EXPECT_EQ(again.data[0], 9);
}

TEST_F(MediaCache, MissingFilesAndImagesStillTakeAReference) {
    const raw none = cache.get("a.pak", "nothing");
    EXPECT_EQ(none.data, nullptr);
    EXPECT_EQ(cache.getimage("a.pak", "nothing"), 0u);
    EXPECT_EQ(cache.pack_refs[0], 2);
    cache.ungetimage("a.pak", 12345);  // an unknown texture still gives back one reference
    EXPECT_EQ(cache.pack_refs[0], 1);
    cache.ungetimage("other.pak", 1);
    EXPECT_EQ(cache.pack_refs[0], 1);
}

TEST_F(MediaCache, WithoutAFolderNamesAreRelativeToTheWorkingFolder) {
    Media plain;
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(folder.path().c_str()), 0);
    const raw r = plain.get("a.pak", "file");
    EXPECT_EQ(r.size, 3u);
    ASSERT_EQ(chdir(previous), 0);
}
