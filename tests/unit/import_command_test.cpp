// The pintabo-import command as the game and a parent run it: where the
// archives go and what they are numbered, the progress lines, and the
// refusals with their exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/page_catalogue.h"
#include "game/page_info.h"
#include "res/platform.h"
#include "save/config.h"
#include "save/settings_file.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"
#include "image_file.h"
#include "import_runs.h"
#include "synthetic_images.h"

namespace {

struct Outcome {
    int status = -1;
    std::string out, err;
};

// Runs the command with its data and settings folders inside `home`.
Outcome run(const TempFolder& home, const std::string& args) {
    const std::string command = "XDG_DATA_HOME='" + home.file("data") + "' XDG_CONFIG_HOME='" + home.file("config") +
                                "' '" + import_program() + "' " + args + " > '" +
                                home.file("out.txt") + "' 2> '" + home.file("err.txt") + "'";
    Outcome r;
    const int raw = std::system(command.c_str());
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = read_text(home.file("out.txt"));
    r.err = read_text(home.file("err.txt"));
    return r;
}

}  // namespace

TEST(ImportCommand, WritesBothVariantsUnderTheNextFreeNumber) {
    TempFolder home;
    const std::string pictures = home.file("data") + "/pintabo/pictures";
    std::filesystem::create_directories(pictures);
    std::ofstream(pictures + "/page107.pak") << "an older import";
    std::ofstream(pictures + "/hpage0150.pak") << "not a name the game gives";
    // Progress of a removed picture 112 is still in the settings.
    Config settings;
    settings.set_page(5);
    settings.set_page(112);
    std::filesystem::create_directories(home.file("config") + "/pintabo");
    std::ofstream(home.file("config") + "/pintabo/com.quillfen.pintabo.cfg", std::ios::binary) << settings_bytes(settings);
    ASSERT_TRUE(write_image(home.file("a very long name for a cat picture.png"), three_discs(240, 180)));

    const Outcome r = run(home, "--progress '" + home.file("a very long name for a cat picture.png") + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(files_in(pictures), (std::vector<std::string>{"hpage0150.pak", "hpage113.pak", "page107.pak", "page113.pak"}))
        << "no temporary file left behind";
    for (bool detailed : {false, true}) {
        const std::string path = pictures + "/" + page_archive(113, detailed);
        EXPECT_NE(r.out.find("wrote " + path), std::string::npos) << r.out;
        const std::vector<unsigned char> bytes = read_bytes(path);
        const PageArchiveCheck check = check_page_archive(bytes.data(), bytes.size());
        ASSERT_EQ(check.error, "");
        EXPECT_EQ(check.info.number, 113);
        EXPECT_EQ(check.info.detailed, detailed);
        EXPECT_EQ(check.info.name, "a very long name for a c");
        EXPECT_EQ(check.info.variant.total, 4);
    }
    // Progress from 0 to 100, never going back.
    std::istringstream lines(r.out);
    std::string line;
    int last = -1, count = 0;
    while (std::getline(lines, line))
        if (line.rfind("progress ", 0) == 0) {
            const int n = std::stoi(line.substr(9));
            EXPECT_GE(n, last);
            EXPECT_LE(n, 100);
            if (count++ == 0) {
                EXPECT_EQ(n, 0);
            }
            last = n;
        }
    EXPECT_EQ(last, 100);
    EXPECT_GE(count, 5);
    // What the game reads: the picture's number, on the last line.
    EXPECT_EQ(r.out.substr(r.out.rfind('\n', r.out.size() - 2) + 1), "picture 113\n") << r.out;
}

TEST(ImportCommand, ADamagedSettingsFileIsNoReasonToFail) {
    TempFolder home;
    std::filesystem::create_directories(home.file("config") + "/pintabo");
    std::ofstream(home.file("config") + "/pintabo/com.quillfen.pintabo.cfg", std::ios::binary) << "\x01\x00\x00";
    ASSERT_TRUE(write_image(home.file("board.png"), checkerboard(160, 120, 4, 3)));
    const Outcome r = run(home, "'" + home.file("board.png") + "' --detail detailed --colours 5 --name 'Mein Brett'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(files_in(home.file("data") + "/pintabo/pictures"), std::vector<std::string>{"hpage101.pak"});
    const std::vector<unsigned char> bytes = read_bytes(home.file("data") + "/pintabo/pictures/hpage101.pak");
    const PageArchiveCheck check = check_page_archive(bytes.data(), bytes.size());
    EXPECT_EQ(check.info.name, "Mein Brett");
    EXPECT_EQ(check.info.tubes, 5);
}

TEST(ImportCommand, RefusesWithAReasonAndTheRightStatus) {
    TempFolder home;
    ASSERT_TRUE(write_image(home.file("ok.png"), three_discs(80, 60)));
    ASSERT_TRUE(write_image(home.file("flat.png"), flat(80, 60, 0x88AACC)));
    std::ofstream(home.file("notes.txt")) << "not a picture at all";
    // A PNG that claims 8000 x 6000 pixels and holds nothing else.
    const unsigned char huge[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                                  0, 0, 0x1F, 0x40, 0, 0, 0x17, 0x70, 8, 2, 0, 0, 0, 0xBE, 0x06, 0x73, 0x69};
    home.write("huge.png", std::vector<unsigned char>(std::begin(huge), std::end(huge)));
    // A kilobyte of JPEG declaring 16000 x 65000 pixels behind a stray byte
    // between two segments, which the decoder steps over; and one that ends
    // before its frame header says a size.
    std::vector<unsigned char> stray = {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0,
                                        0x00, 0xFF, 0xC0, 0, 11, 8, 0xFD, 0xE8, 0x3E, 0x80, 1, 1, 0x11, 0,
                                        0xFF, 0xDA, 0, 8, 1, 1, 0, 0, 63, 0};
    const std::vector<unsigned char> sizeless(stray.begin(), stray.begin() + 21);
    stray.resize(1022, 0x55);
    stray.insert(stray.end(), {0xFF, 0xD9});
    home.write("stray.jpg", stray);
    home.write("sizeless.jpg", sizeless);
    std::vector<unsigned char> cut = read_bytes(home.file("ok.png"));
    cut.resize(cut.size() / 2);
    home.write("cut.png", cut);
    const std::string ok = "'" + home.file("ok.png") + "'";
    struct Case {
        std::string args;
        int status;
        const char* says;
    };
    const Case cases[] = {
        {"", 2, "which image"},
        {ok + " --colours 4", 2, "5 to 9"},
        {ok + " --colours 10", 2, "5 to 9"},
        {ok + " --detail fine", 2, "simple, detailed or both"},
        {ok + " --name 'twenty-five characters...'", 2, "longer than 24"},
        {ok + " --name \"$(printf 'a\\tb')\"", 2, "control character"},
        {ok + " --name", 2, "needs a value"},
        {ok + " --size 3", 2, "unknown option"},
        {ok + " " + ok, 2, "one image"},
        {"'" + home.file("missing.png") + "'", 1, "cannot read"},
        {"'" + home.file("notes.txt") + "'", 1, "not a PNG or JPEG"},
        {"'" + home.file("huge.png") + "'", 1, "more than 40 megapixels"},
        {"'" + home.file("stray.jpg") + "'", 1, "16000 x 65000 pixels is more than 40 megapixels"},
        {"'" + home.file("sizeless.jpg") + "'", 1, "damaged"},
        {"'" + home.file("cut.png") + "'", 1, "damaged"},
        {"'" + home.file("flat.png") + "'", 1, "one flat colour"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const Outcome r = run(home, c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_TRUE(files_in(home.file("data") + "/pintabo/pictures").empty()) << "nothing written on a refusal";
}

TEST(ImportCommand, TheGameListsBothVariantsOfAnImportWithOnePalette) {
    // A gradient: each variant alone would find its own bands and colours.
    TempFolder home;
    ASSERT_TRUE(write_image(home.file("bands.png"), gradient(320, 240)));
    const Outcome r = run(home, "'" + home.file("bands.png") + "'");
    ASSERT_EQ(r.status, 0) << r.err;

    const char* old = std::getenv("XDG_DATA_HOME");
    const std::string kept = old ? old : "";
    setenv("XDG_DATA_HOME", home.file("data").c_str(), 1);
    testing::internal::CaptureStderr();
    scan_own_pictures();
    const std::string said = testing::internal::GetCapturedStderr();
    const Page_source* own = find_page(own_picture_first);
    ASSERT_NE(own, nullptr) << said;
    EXPECT_TRUE(own->has(false));
    ASSERT_TRUE(own->has(true)) << said;
    EXPECT_EQ(said, "");
    // Every tube has regions in both variants.
    for (bool detailed : {false, true})
        for (int c = 0; c < own->figures.tubes; ++c) EXPECT_GT(own->variant(detailed).regions[c], 0) << c + 1;
    if (old)
        setenv("XDG_DATA_HOME", kept.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
    scan_own_pictures();
}

TEST(ImportCommand, APreviewShowsThePageAndAddsNothing) {
    TempFolder home;
    ASSERT_TRUE(write_image(home.file("discs.png"), three_discs(240, 180)));
    const Outcome r = run(home, "'" + home.file("discs.png") + "' --colours 6 --preview '" + home.file("look.png") + "'");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(files_in(home.file("data") + "/pintabo/pictures").empty());
    // Both variants, blank and painted: two rows of two pages.
    RgbImage look;
    ASSERT_EQ(read_image_file(home.file("look.png"), look), "");
    EXPECT_GT(look.h, look.w * 3 / 4);
    // Half of it painted: the discs' red, yellow and blue cover a good part.
    size_t coloured = 0;
    for (size_t p = 0; p < look.rgb.size(); p += 3) {
        const int r = look.rgb[p], g = look.rgb[p + 1], b = look.rgb[p + 2];
        coloured += std::max({r, g, b}) - std::min({r, g, b}) > 100;
    }
    EXPECT_GT(coloured, look.rgb.size() / 3 / 40);
}
