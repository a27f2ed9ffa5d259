// The asset builder writes the same bytes on every run: a fresh build of the
// archives equals the one the game's data folder holds.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "res/platform.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace {

TEST(AssetBuilder, WritesTheSameArchivesEveryTime) {
    const std::string build = get_boundle_path() + "/..";
    const std::string builder = build + "/tools/assetbuild/assetbuild";
    ASSERT_FALSE(read_bytes(builder).empty()) << "no asset builder at " << builder;
    TempFolder out;
    const std::string command = "'" + builder + "' '" + out.prefix() + "' > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const char* name : {"interface.pak", "langall.pak", "langen.pak", "langde.pak", "langes.pak", "langru.pak",
                             "langfr.pak"}) {
        SCOPED_TRACE(name);
        const std::vector<unsigned char> fresh = read_bytes(out.file(name));
        ASSERT_FALSE(fresh.empty());
        EXPECT_TRUE(fresh == read_bytes(build + "/data/" + name));
    }
}

}  // namespace
