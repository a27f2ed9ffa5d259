// pintabo-import beside other imports and stopped half way: two imports
// started at the same moment get two numbers and write whole archives, and
// one stopped by SIGTERM leaves nothing in the pictures folder.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>

#include "game/page_info.h"
#include "import_runs.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"
#include "synthetic_images.h"

TEST(ImportRaces, TwoImportsStartedTogetherGetTwoNumbersAndWholeArchives) {
    TempFolder home;
    ASSERT_TRUE(write_image(home.file("discs.png"), three_discs(320, 240)));
    int gate[2];
    ASSERT_EQ(pipe(gate), 0);
    std::vector<StartedImport> runs;
    for (const char* name : {"Anna", "Ben"})
        runs.push_back(start_import(home.path(), {home.file("discs.png"), "--name", name, "--progress"},
                                    home.file(std::string(name) + ".err"), gate));
    close(gate[0]);
    close(gate[1]);  // both go

    std::set<int> numbers;
    for (StartedImport& run : runs) {
        std::string line, last;
        while (run.read_line(line)) last = line;
        const int status = run.wait();
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << read_text(home.file("Anna.err"))
                                                                   << read_text(home.file("Ben.err"));
        ASSERT_EQ(last.rfind("picture ", 0), 0u) << last;
        numbers.insert(std::stoi(last.substr(8)));
    }
    EXPECT_EQ(numbers, (std::set<int>{101, 102}));
    const std::string pictures = home.file("data") + "/pintabo/pictures/";
    EXPECT_EQ(files_in(pictures), (std::vector<std::string>{"hpage101.pak", "hpage102.pak", "page101.pak", "page102.pak"}))
        << "no reservation or temporary file left";
    std::set<std::string> names;
    for (int number : {101, 102}) {
        std::string name;
        for (bool detailed : {false, true}) {
            const std::vector<unsigned char> bytes = read_bytes(pictures + page_archive(number, detailed));
            const PageArchiveCheck check = check_page_archive(bytes.data(), bytes.size());
            ASSERT_EQ(check.error, "") << page_archive(number, detailed);
            EXPECT_EQ(check.info.number, number);
            if (detailed) {
                EXPECT_EQ(check.info.name, name) << "both variants of " << number << " are one import's";
            }
            name = check.info.name;
        }
        names.insert(name);
    }
    EXPECT_EQ(names, (std::set<std::string>{"Anna", "Ben"}));
}

TEST(ImportRaces, AnImportStoppedHalfWayLeavesNothingBehind) {
    TempFolder home;
    ASSERT_TRUE(write_image(home.file("noise.png"), noise(900, 700, 3)));
    StartedImport run = start_import(home.path(), {home.file("noise.png"), "--progress"}, home.file("err.txt"));
    // Past reading the picture, the number is held while the pages are made.
    std::string line;
    bool holding = false;
    while (run.read_line(line))
        if (line.rfind("progress ", 0) == 0 && std::stoi(line.substr(9)) > 25) {
            holding = true;
            break;
        }
    ASSERT_TRUE(holding) << read_text(home.file("err.txt"));
    const std::string pictures = home.file("data") + "/pintabo/pictures";
    EXPECT_EQ(files_in(pictures), std::vector<std::string>{"page101.reserved"});
    kill(run.pid, SIGTERM);
    const int status = run.wait();
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_TRUE(files_in(pictures).empty()) << files_in(pictures).front();
}
