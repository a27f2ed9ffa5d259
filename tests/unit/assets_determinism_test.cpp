// The asset builder writes the same bytes on every run: a fresh build of the
// archives equals the one the game's data folder holds.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "res/platform.h"
#include "support/temp_folder.h"

namespace {

std::vector<unsigned char> read_file(const std::string& path) {
    std::vector<unsigned char> bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return bytes;
    int c;
    while ((c = std::fgetc(f)) != EOF) bytes.push_back(static_cast<unsigned char>(c));
    std::fclose(f);
    return bytes;
}

TEST(AssetBuilder, WritesTheSameArchivesEveryTime) {
    const std::string build = get_boundle_path() + "/..";
    const std::string builder = build + "/tools/assetbuild/assetbuild";
    ASSERT_FALSE(read_file(builder).empty()) << "no asset builder at " << builder;
    TempFolder out;
    const std::string command = "'" + builder + "' '" + out.prefix() + "' > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const char* name : {"interface.pak", "langall.pak", "langen.pak", "langde.pak", "langes.pak", "langru.pak",
                             "langfr.pak"}) {
        SCOPED_TRACE(name);
        const std::vector<unsigned char> fresh = read_file(out.file(name));
        ASSERT_FALSE(fresh.empty());
        EXPECT_TRUE(fresh == read_file(build + "/data/" + name));
    }
}

}  // namespace
