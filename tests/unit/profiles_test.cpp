// The list of children: a list edited by hand or cut short still gives one
// the picker can show, eight is the most, a child taken out leaves their
// file as a backup and their number for the next, and a child's name never
// leads a keepsake out of the pictures folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "res/platform_paths.h"
#include "save/profiles.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

TEST(Profiles, AHandEditedListReadsToOneThePickerCanShow) {
    // Numbers twice and out of range, looks out of range, a child without
    // a tab, control characters and a character cut in half in a name, no
    // first child, a "last" who is not listed; and a Windows editor's line ends.
    const Profiles p = parse_profiles(
        "pintabo profiles 1\r\nlast 7\r\n"
        "3\t2\t5\tAnna\r\n3\t1\t1\tBen\n9\t0\t0\t\n4\t8\t1\tx\n4\t1\t1\tTi\x01m\xC3\n"
        "nonsense\n5\t0\t0\tname\twith\ttabs\n");
    ASSERT_EQ(p.list.size(), 4u);
    EXPECT_EQ(p.list[0].number, 1) << "the first child is always there, first";
    EXPECT_EQ(p.list[1].name, "Anna");
    EXPECT_EQ(p.list[1].number, 3);
    EXPECT_EQ(p.list[2].name, "Tim");
    EXPECT_EQ(p.list[3].name, "namewithtabs");
    EXPECT_EQ(p.last, 1);
    EXPECT_EQ(parse_profiles(profiles_text(p)).list.size(), 4u);
    EXPECT_EQ(parse_profiles("pintabo profiles 2\n2\t1\t1\t\n").list.size(), 1u) << "a list of a later game is not guessed at";
    std::string stray(1000, '\x80');
    EXPECT_LE(profile_name_from(stray).size(), 96u);
}

TEST(Profiles, EightChildrenAtMostAndATakenOutChildLeavesABackup) {
    TempFolder folder;
    setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
    Profiles p = load_profiles();
    ASSERT_EQ(p.list.size(), 1u);
    Profile added;
    for (int i = 0; i < 7; ++i) ASSERT_TRUE(add_profile(p, added));
    EXPECT_FALSE(add_profile(p, added));
    bool animals[8] = {}, colours[8] = {};
    for (const Profile& q : p.list) animals[q.animal] = colours[q.colour] = true;
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(animals[i] && colours[i]) << "eight children, eight animals, eight colours";
    ASSERT_TRUE(save_profiles(p));

    const std::string third = profile_settings_path(3);
    std::ofstream(third) << "third child's pictures";
    EXPECT_FALSE(remove_profile(p, 1)) << "the first child stays";
    ASSERT_TRUE(remove_profile(p, 3));
    EXPECT_EQ(read_text(third + ".bak"), "third child's pictures");
    ASSERT_TRUE(add_profile(p, added));
    EXPECT_EQ(added.number, 3) << "the number is free again";
    EXPECT_EQ(profile_settings_path(1), get_cfg_path()) << "the first child's file is the one there always was";

    Profile odd;
    odd.number = 5;
    for (const char* name : {"../../.config", "/etc", "..", ". ", ""}) {
        odd.name = name;
        const std::string sub = keepsake_subfolder(odd);
        EXPECT_FALSE(sub.empty());
        EXPECT_EQ(sub.find('/'), std::string::npos) << name;
        EXPECT_NE(sub[0], '.') << name;
    }
    unsetenv("XDG_CONFIG_HOME");
}
