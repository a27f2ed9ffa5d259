#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "save/config.h"
#include "save/settings_file.h"
#include "support/config_bytes.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace {

void write_text(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> names_in(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

Config painted() {
    Config c;
    c.set_page(3);
    c.set_color(11, Color(), 2);
    return c;
}

// The file size limit stops root as it stops anyone: writes past it fail.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        old_signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = old_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, old_signal_);
    }

private:
    rlimit old_{};
    void (*old_signal_)(int) = nullptr;
};

}  // namespace

TEST(ConfigSaveFile, CreatesMissingFoldersAndLeavesOnlyTheFile) {
    TempFolder folder;
    const std::string path = folder.file("config/pintabo/com.quillfen.pintabo.cfg");
    const Config c = painted();
    ASSERT_TRUE(save_settings_file(c, path));
    EXPECT_EQ(read_text(path), settings_bytes(c));
    EXPECT_EQ(names_in(folder.file("config/pintabo")), std::vector<std::string>{"com.quillfen.pintabo.cfg"});

    ASSERT_TRUE(save_settings_file(Config(), path));
    EXPECT_EQ(read_text(path).size(), 29u);
}

TEST(ConfigSaveFile, AFailedWriteLeavesTheOldFileWholeAndSaysWhy) {
    TempFolder folder;
    const std::string path = folder.file("com.quillfen.pintabo.cfg");
    const std::string old = rich_settings_file();
    write_text(path, old);
    // Larger than the limit, unlike the one line on standard error.
    Config c = read_config(old);
    c.set_page(12);
    const rlim_t limit_bytes = 200;
    ASSERT_GT(settings_bytes(c).size(), limit_bytes);
    bool saved = true;
    testing::internal::CaptureStderr();
    {
        FileSizeLimit limit(limit_bytes);
        saved = save_settings_file(c, path);
    }
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(saved);
    EXPECT_EQ(read_text(path), old);
    EXPECT_EQ(names_in(folder.path()), std::vector<std::string>{"com.quillfen.pintabo.cfg"});
    EXPECT_NE(said.find(path), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

TEST(ConfigSaveFile, AFolderThatIsAFileFailsWithOneLine) {
    TempFolder folder;
    write_text(folder.file("pintabo"), "not a folder");
    const std::string path = folder.file("pintabo/com.quillfen.pintabo.cfg");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(save_settings_file(painted(), path));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find(path), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(read_text(folder.file("pintabo")), "not a folder");
}

TEST(ConfigSaveFile, ADamagedFileIsKeptAsABackupBeforeItIsReplaced) {
    TempFolder folder;
    const std::string path = folder.file("com.quillfen.pintabo.cfg");
    const std::string damaged = rich_settings_file().substr(0, 100);
    write_text(path, damaged);
    std::ifstream in(path, std::ios::binary);
    const Config c(in);
    ASSERT_TRUE(c.damaged);
    ASSERT_TRUE(save_settings_file(c, path));
    EXPECT_EQ(read_text(path + ".bak"), damaged);
    EXPECT_EQ(read_text(path), settings_bytes(c));

    // A sound file leaves any old backup alone.
    const Config sound_file = read_config(read_text(path));
    ASSERT_FALSE(sound_file.damaged);
    ASSERT_TRUE(save_settings_file(painted(), path));
    EXPECT_EQ(read_text(path + ".bak"), damaged);
}

TEST(ConfigSaveFile, WithoutRoomForTheBackupTheDamagedFileStays) {
    TempFolder folder;
    const std::string path = folder.file("com.quillfen.pintabo.cfg");
    const std::string damaged = rich_settings_file().substr(0, 60);
    write_text(path, damaged);
    // A folder in the backup's place cannot be renamed over, not even by root.
    ASSERT_EQ(mkdir((path + ".bak").c_str(), 0700), 0);
    write_text(path + ".bak/keep", "x");
    const Config c = read_config(damaged);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(save_settings_file(c, path));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find(path + ".bak"), std::string::npos) << said;
    EXPECT_EQ(read_text(path), damaged);
}
