// Homes that fight back: no way to write the settings, a file where their
// folder should be, a folder where the file should be, an empty file, 100 MB
// of noise. The game starts and plays on each, says once what it could not
// do, and never destroys the only copy of a file it could read.
#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include "game/navigation.h"
#include "res/platform.h"
#include "save/config.h"
#include "support/file_bytes.h"
#include "window/game_scene.h"

namespace {

class HostileHome : public GameScene {
protected:
    // Quits the game started by SetUp, lets `arrange` prepare the home, then
    // starts, turns two pictures (each turn saves) and quits (saving again);
    // returns what the game said on standard error.
    template <typename Arrange>
    std::string play_in(Arrange arrange) {
        quit();
        arrange();
        testing::internal::CaptureStderr();
        start();
        run_for(300);
        next_page();
        run_for(100);
        next_page();
        run_for(100);
        EXPECT_EQ(conf->get_page(), 3) << "the game plays";
        quit();
        return testing::internal::GetCapturedStderr();
    }

    static int lines(const std::string& said) { return static_cast<int>(std::count(said.begin(), said.end(), '\n')); }

    std::string settings() const { return folder.file("pintabo/com.quillfen.pintabo.cfg"); }
};

TEST_F(HostileHome, AConfigFolderNobodyCanWriteIsSaidOnce) {
    // Not even root may make a folder under /proc.
    const std::string said = play_in([] { setenv("XDG_CONFIG_HOME", "/proc/pintabo-nowhere", 1); });
    setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
    EXPECT_EQ(lines(said), 1) << said;
    EXPECT_NE(said.find("cannot save settings to /proc/pintabo-nowhere/pintabo/com.quillfen.pintabo.cfg"),
              std::string::npos)
        << said;
}

TEST_F(HostileHome, AFileWhereTheFolderShouldBeIsLeftAlone) {
    const std::string said = play_in([this] {
        std::filesystem::remove_all(folder.file("pintabo"));
        std::ofstream(folder.file("pintabo")) << "my notes";
    });
    EXPECT_EQ(read_text(folder.file("pintabo")), "my notes");
    EXPECT_EQ(lines(said), 2) << "one line for the reading, one for the saving: " << said;
    EXPECT_NE(said.find("Not a directory"), std::string::npos) << said;
}

TEST_F(HostileHome, AFolderWhereTheFileShouldBeIsLeftAlone) {
    const std::string said = play_in([this] {
        std::filesystem::remove_all(folder.file("pintabo"));
        std::filesystem::create_directories(settings() + "/inside");
    });
    EXPECT_TRUE(std::filesystem::is_directory(settings() + "/inside"));
    EXPECT_EQ(lines(said), 2) << said;
    EXPECT_NE(said.find("cannot read settings from " + settings() + ": Is a directory"), std::string::npos) << said;
}

TEST_F(HostileHome, AnEmptyFileIsReplacedAndKept) {
    const std::string said = play_in([this] { std::ofstream(settings(), std::ios::trunc); });
    EXPECT_EQ(said, "");
    EXPECT_FALSE(read_bytes(settings()).empty()) << "the game's own settings are written";
    EXPECT_TRUE(std::filesystem::exists(settings() + ".bak"));
}

TEST_F(HostileHome, A100MegabyteNoiseFileIsKeptWholeAsTheBackup) {
    std::string noise(100u << 20, '\0');
    std::mt19937 rng(5);
    for (size_t i = 0; i < noise.size(); i += 4) {
        const uint32_t v = rng();
        std::memcpy(&noise[i], &v, 4);
    }
    const std::string said = play_in([&] { std::ofstream(settings(), std::ios::binary) << noise; });
    EXPECT_EQ(lines(said), 1) << said;
    EXPECT_NE(said.find("File too large; starting with the defaults"), std::string::npos) << said;
    EXPECT_TRUE(read_text(settings() + ".bak") == noise) << "the noise is kept, byte for byte";
    EXPECT_LT(read_bytes(settings()).size(), 10000u) << "and the game's own file is in its place";
}

}  // namespace

namespace {

// What a power cut left half written (a settings file, an import's archive,
// a keepsake, all under their temporary names) is cleared away at the next
// start; a temporary written a moment ago (another game's, under way) and
// files that only look alike stay.
TEST_F(HostileHome, HalfWrittenFilesOfAPowerCutAreClearedAtTheNextStart) {
    const std::string old_home = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", folder.path().c_str(), 1);
    const std::string config = folder.file("pintabo/"), own = folder.file("pintabo/pictures/"),
                      keepsakes = folder.file("Pictures/pintabo/");
    const std::vector<std::string> stale{config + "com.quillfen.pintabo.cfg.Ab12Cd", own + "page101.pak.Qw12Er",
                                         own + "hpage101.pak.Zx34Cv", keepsakes + ".pintabo-sheets-Ty56Ui",
                                         keepsakes + ".pintabo-picture-01-simple-2026-12-08-1530.Op78As"};
    const std::vector<std::string> kept{config + "com.quillfen.pintabo.cfg.Fresh1", config + "notes.Ab12Cd",
                                        own + "holiday.png.Ab12Cd", keepsakes + "pintabo-sheets-Ab12Cd",
                                        config + "com.quillfen.pintabo.cfg.bak"};
    const std::string said = play_in([&] {
        std::filesystem::create_directories(own);
        std::filesystem::create_directories(keepsakes);
        for (const auto* list : {&stale, &kept})
            for (const std::string& path : *list) std::ofstream(path) << "half";
        const auto an_hour_ago = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
        for (const std::string& path : stale) std::filesystem::last_write_time(path, an_hour_ago);
        for (size_t i = 1; i < kept.size(); ++i) std::filesystem::last_write_time(kept[i], an_hour_ago);
    });
    setenv("HOME", old_home.c_str(), 1);
    for (const std::string& path : stale) EXPECT_FALSE(std::filesystem::exists(path)) << path;
    for (const std::string& path : kept) EXPECT_TRUE(std::filesystem::exists(path)) << path;
    EXPECT_EQ(lines(said), 0) << said;
}

}  // namespace
