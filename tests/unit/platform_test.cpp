#include "res/platform.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "support/temp_folder.h"

namespace {

// Sets an environment variable for the scope, restoring the old value after.
class EnvVar {
public:
    EnvVar(const char* name, const char* value) : name_(name) {
        const char* old = std::getenv(name);
        had_ = old != nullptr;
        if (had_) old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~EnvVar() {
        if (had_)
            setenv(name_.c_str(), old_.c_str(), 1);
        else
            unsetenv(name_.c_str());
    }

private:
    std::string name_, old_;
    bool had_ = false;
};

}  // namespace

TEST(Platform, SettingsPathFollowsXdgThenHome) {
    {
        EnvVar xdg("XDG_CONFIG_HOME", "/custom/config/");
        EXPECT_EQ(get_cfg_path(), "/custom/config/pintabo/com.quillfen.pintabo.cfg");
    }
    {
        EnvVar xdg("XDG_CONFIG_HOME", nullptr);
        EnvVar home("HOME", "/home/child");
        EXPECT_EQ(get_cfg_path(), "/home/child/.config/pintabo/com.quillfen.pintabo.cfg");
    }
    {
        EnvVar xdg("XDG_CONFIG_HOME", "relative/ignored");
        EnvVar home("HOME", nullptr);
        const std::string path = get_cfg_path();
        EXPECT_EQ(path.front(), '/');  // the password database's home
        EXPECT_NE(path.find("/.config/pintabo/com.quillfen.pintabo.cfg"), std::string::npos);
    }
}

TEST(Platform, OwnPicturesFolderFollowsXdgDataThenHome) {
    {
        EnvVar xdg("XDG_DATA_HOME", "/custom/data//");
        EXPECT_EQ(get_own_pictures_path(), "/custom/data/pintabo/pictures/");
    }
    {
        EnvVar xdg("XDG_DATA_HOME", "relative/ignored");
        EnvVar home("HOME", "/home/child");
        EXPECT_EQ(get_own_pictures_path(), "/home/child/.local/share/pintabo/pictures/");
    }
}

// The folder a machine's settings name is the one the game and the commands
// it starts use, "~/" in the home folder; a relative one changes nothing.
TEST(Platform, OwnPicturesFolderTheGameWasToldComesFirst) {
    EnvVar told("PINTABO_OWN_PICTURES", nullptr);
    EnvVar xdg("XDG_DATA_HOME", "/custom/data");
    EnvVar home("HOME", "/home/pupil");
    set_own_pictures_path("");
    EXPECT_EQ(get_own_pictures_path(), "/custom/data/pintabo/pictures/");
    set_own_pictures_path("~/school pictures/");
    EXPECT_EQ(get_own_pictures_path(), "/home/pupil/school pictures/");
    EXPECT_STREQ(std::getenv("PINTABO_OWN_PICTURES"), "/home/pupil/school pictures/");
    set_own_pictures_path("/srv/pintabo");
    EXPECT_EQ(get_own_pictures_path(), "/srv/pintabo/");
    set_own_pictures_path("relative");
    EXPECT_EQ(get_own_pictures_path(), "/srv/pintabo/");
}

// /etc/pintabo first (least important), then $XDG_CONFIG_DIRS backwards, so
// its first folder has the last word; the user's file beside the progress.
TEST(Platform, SettingsFilesOfTheMachineAndTheUser) {
    {
        EnvVar dirs("XDG_CONFIG_DIRS", "/etc/xdg/xdg-school:relative:/etc/xdg/");
        EXPECT_EQ(machine_settings_files(),
                  (std::vector<std::string>{"/etc/pintabo/pintabo.conf", "/etc/xdg/pintabo/pintabo.conf",
                                            "/etc/xdg/xdg-school/pintabo/pintabo.conf"}));
    }
    {
        EnvVar dirs("XDG_CONFIG_DIRS", "/etc/xdg:/etc:/etc/xdg");
        EXPECT_EQ(machine_settings_files(),
                  (std::vector<std::string>{"/etc/pintabo/pintabo.conf", "/etc/xdg/pintabo/pintabo.conf"}));
    }
    {
        EnvVar dirs("XDG_CONFIG_DIRS", nullptr);
        EXPECT_EQ(machine_settings_files(),
                  (std::vector<std::string>{"/etc/pintabo/pintabo.conf", "/etc/xdg/pintabo/pintabo.conf"}));
    }
    EnvVar xdg("XDG_CONFIG_HOME", "/home/pupil/.config");
    EXPECT_EQ(user_settings_file(), "/home/pupil/.config/pintabo/pintabo.conf");
}

TEST(Platform, ResourceFolderEndsWithExactlyOneSlash) {
    const std::string bundle = get_boundle_path();
    ASSERT_FALSE(bundle.empty());
    EXPECT_EQ(bundle.front(), '/');
    const std::string res = get_resources_path();
    ASSERT_GE(res.size(), 2u);
    EXPECT_EQ(res.back(), '/');
    EXPECT_NE(res[res.size() - 2], '/');
    EXPECT_EQ(res.rfind(bundle, 0), 0u);
}

TEST(Platform, VisitSiteHandsTheAddressOverUntouchedAndLeavesNoZombie) {
    TempFolder f;
    const std::string log = f.file("opened.txt");
    {
        std::ofstream script(f.file("xdg-open"));
        script << "#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '" << log << ".part'\n/bin/mv '" << log << ".part' '" << log
               << "'\n";
    }
    ASSERT_EQ(chmod(f.file("xdg-open").c_str(), 0755), 0);
    EnvVar path("PATH", f.path().c_str());

    const std::string url = "https://example.test/a b?x=1&y=$(touch hacked);z";
    visit_site(url);
    // visit_site returns at once; the opener runs on its own.
    std::string got;
    for (int i = 0; i < 200 && got.empty(); ++i) {
        std::ifstream in(log);
        std::getline(in, got, '\0');
        if (got.empty()) std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    EXPECT_EQ(got, "1|" + url);
    EXPECT_FALSE(std::ifstream(f.file("hacked")).good());
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST(Platform, VisitSiteWithoutAnOpenerIsSilent) {
    TempFolder f;
    EnvVar path("PATH", f.path().c_str());
    visit_site("https://example.test/");
    errno = 0;
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
}

TEST(Platform, OnlyWebAddressesAreHandedToTheBrowser) {
    EXPECT_TRUE(is_web_address("https://example.test/"));
    EXPECT_TRUE(is_web_address("http://example.test/?a=1"));
    for (const char* refused : {"", "file:///etc/passwd", "-h", "--help https://example.test/",
                                " https://example.test/", "HTTPS://example.test/", "https:/example.test",
                                "ftp://example.test/", "javascript:alert(1)", "/usr/bin/xterm"})
        EXPECT_FALSE(is_web_address(refused)) << refused;
}

TEST(Platform, VisitSiteStartsNothingForOtherAddresses) {
    TempFolder f;
    const std::string log = f.file("opened.txt");
    {
        // Each run of the opener adds its address to the log as a line.
        std::ofstream script(f.file("xdg-open"));
        script << "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" << log << "'\n";
    }
    ASSERT_EQ(chmod(f.file("xdg-open").c_str(), 0755), 0);
    EnvVar path("PATH", f.path().c_str());

    for (const char* refused : {"file:///etc/passwd", "-h", "javascript:alert(1)"}) visit_site(refused);
    // The refused ones would have been started before this one.
    visit_site("https://example.test/");
    std::string got;
    for (int i = 0; i < 200 && got.find('\n') == std::string::npos; ++i) {
        std::ifstream in(log);
        std::getline(in, got, '\0');
        if (got.find('\n') == std::string::npos) std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    EXPECT_EQ(got, "https://example.test/\n");
}
