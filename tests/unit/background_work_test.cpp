// What runs beside the game's thread: the settings writer, the keepsake and
// import workers and the programs they start. However the process ends, the
// workers are done and the last settings are on disk; a program's failure is
// never taken for success; a new file never replaces another, even where the
// file system makes no links.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

#include "game/keepsakes.h"
#include "game/own_import.h"
#include "res/atomic_file.h"
#include "res/platform_process.h"
#include "save/config.h"
#include "save/settings_writer.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace {

void write_script(const std::string& path, const std::string& text) {
    std::ofstream(path) << "#!/bin/sh\n" << text << "\n";
    chmod(path.c_str(), 0755);
}

}  // namespace

// exit() while a chooser is open and a sheet is being printed: both workers
// are joined (the chooser ended) before the statics go, so the process ends
// with its own status rather than std::terminate, and the snapshot handed
// to the writer just before is on disk.
TEST(BackgroundWork, AnExitWithWorkersUnderWayEndsThemAndKeepsTheLastSettings) {
    TempFolder folder;
    const std::string settings = folder.file("config/pintabo/com.quillfen.pintabo.cfg");
    write_script(folder.file("zenity"), "exec sleep 30");
    EXPECT_EXIT(
        {
            setenv("PATH", (folder.path() + ":/usr/bin:/bin").c_str(), 1);
            setenv("XDG_CONFIG_HOME", folder.file("config").c_str(), 1);
            setenv("HOME", folder.path().c_str(), 1);
            conf = new Config();
            const bool importing = start_own_import();
            const bool printing = start_sheet_keepsake();
            settings_writer.submit(settings, "first", false);
            settings_writer.submit(settings, "the last one", false);
            std::exit(importing && printing ? 3 : 4);
        },
        ::testing::ExitedWithCode(3), "");
    EXPECT_EQ(read_text(settings), "the last one");
}

// Stopped without a flush, the writer still writes the snapshot that waits.
TEST(BackgroundWork, AWriterStoppedWithASnapshotWaitingWritesIt) {
    TempFolder folder;
    const std::string settings = folder.file("com.quillfen.pintabo.cfg");
    Settings_writer writer;
    for (int round = 0; round < 20; ++round) {
        writer.submit(settings, "older " + std::to_string(round), false);
        writer.submit(settings, "newest " + std::to_string(round), false);
        writer.stop();
        ASSERT_EQ(read_text(settings), "newest " + std::to_string(round));
    }
}

// With SIGCHLD ignored the system reaps our children itself and their
// status is lost: that is no success.
TEST(BackgroundWork, AProgramWhoseOutcomeIsLostIsNoSuccess) {
    std::string errors;
    EXPECT_EQ(run_program("/bin/sh", {"-c", "echo why >&2; exit 3"}, nullptr, errors), 3);
    EXPECT_EQ(errors, "why\n");
    struct sigaction ignore = {}, old = {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGCHLD, &ignore, &old);
    const int failed = run_program("/bin/sh", {"-c", "exit 1"}, nullptr, errors);
    sigaction(SIGCHLD, &old, nullptr);
    EXPECT_NE(failed, 0);
    EXPECT_EQ(run_program("/no/such/program", {}, nullptr, errors), -1);
}

// Two processes publishing at once never take the same name, and where
// link() is refused (vfat, exFAT, network mounts) names are reserved instead:
// the keepsake is still written, and a file already there is never touched.
TEST(BackgroundWork, NewFilesNeverReplaceOthersWithOrWithoutLinks) {
    TempFolder folder;
    const std::string dir = folder.prefix();
    std::ofstream(folder.file("keepsake.png")) << "a parent's own file";
    for (bool links : {true, false}) {
        if (links)
            link_for_new_files = ::link;
        else
            link_for_new_files = [](const char*, const char*) {
                errno = EPERM;
                return -1;
            };
        std::string written;
        int error = 0;
        ASSERT_TRUE(write_new_file(folder.path(), "keepsake", ".png", {1, 2, 3}, written, error)) << error;
        EXPECT_EQ(written, dir + (links ? "keepsake-2.png" : "keepsake-3.png"));
        EXPECT_EQ(read_bytes(written), (std::vector<unsigned char>{1, 2, 3}));
    }
    link_for_new_files = ::link;
    EXPECT_EQ(read_text(folder.file("keepsake.png")), "a parent's own file");
    // Many publishers at once, by reservation: each gets a name of its own.
    link_for_new_files = [](const char*, const char*) {
        errno = EOPNOTSUPP;
        return -1;
    };
    constexpr int writers = 6;
    pid_t children[writers];
    for (int i = 0; i < writers; ++i) {
        children[i] = fork();
        if (children[i] == 0) {
            std::string written;
            int error = 0;
            const std::vector<unsigned char> mine{static_cast<unsigned char>(i), 7};
            _exit(write_new_file(folder.path(), "race", ".png", mine, written, error) ? 0 : 1);
        }
    }
    link_for_new_files = ::link;
    for (pid_t child : children) {
        int status = -1;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::set<unsigned char> owners;
    for (int n = 1; n <= writers; ++n) {
        const std::vector<unsigned char> got =
            read_bytes(dir + "race" + (n == 1 ? "" : "-" + std::to_string(n)) + ".png");
        ASSERT_EQ(got.size(), 2u) << n;
        owners.insert(got[0]);
    }
    EXPECT_EQ(owners.size(), static_cast<size_t>(writers)) << "no writer's file was replaced by another's";
}
