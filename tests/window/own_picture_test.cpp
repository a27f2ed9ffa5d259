// A picture of the child's own in the real game: made by pintabo-import from
// a drawing, found at the next start, painted by numbers to the bubbles,
// starred in the gallery; a damaged archive beside it is skipped with a
// line, and when the picture is removed its progress goes with it.
#include <sys/stat.h>

#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <fstream>

#include "game/effects.h"
#include "game/game_state.h"
#include "game/navigation.h"
#include "game/own_import.h"
#include "game/page_catalogue.h"
#include "res/platform.h"
#include "res/platform_process.h"
#include "res/png_encode.h"
#include "save/config.h"
#include "shell/startup.h"
#include "support/drawings.h"
#include "ui/gallery.h"
#include "window/game_scene.h"
#include "window/x_screen.h"

namespace {

class OwnPicture : public GameScene {
protected:
    // Three discs on a pale ground, as a child might draw them.
    std::string drawing() {
        const std::string path = folder.file("discs.png");
        write_discs_drawing(path);
        return path;
    }
};

TEST_F(OwnPicture, ImportedPaintedToTheBubblesStarredAndForgottenWhenRemoved) {
    std::string errors;
    ASSERT_EQ(run_program(PINTABO_IMPORT_PROGRAM, {drawing(), "--name", "Discs", "--detail", "simple"}, nullptr, errors), 0)
        << errors;
    const std::string pictures = get_own_pictures_path();
    std::ofstream(pictures + "page102.pak") << "not an archive at all";

    quit();
    testing::internal::CaptureStderr();
    start();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("skipping " + pictures + "page102.pak"), std::string::npos) << said;
    const Page_source* own = find_page(101);
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->name, "Discs");
    EXPECT_FALSE(own->has(true));

    // After picture 20 comes the child's own.
    goto_page(20);
    run_for(300);
    next_page();
    run_for(800);
    ASSERT_EQ(conf->get_page(), 101);
    EXPECT_EQ(COLORS_NUM, own->figures.tubes);
    EXPECT_EQ(tubes().size(), static_cast<size_t>(own->figures.tubes));
    EXPECT_EQ(paint_every_region(page_regions(own->figures.simple)), own->figures.simple.total);
    EXPECT_TRUE(conf->is_finish());
    frames(2);
    EXPECT_GT(picture()->links.size(), 3u + 50u) << "the bubbles fly";

    push_key(SDLK_g);
    ASSERT_TRUE(run_until([] {
        for (const Gallery_tile_view& t : gallery_view())
            if (t.picture == 101) return t.drawn;
        return false;
    }));
    for (const Gallery_tile_view& t : gallery_view()) {
        if (t.picture == 101) {
            EXPECT_TRUE(t.starred && t.framed);
        }
    }
    EXPECT_EQ(gallery_count(), std::make_pair(1, 21));

    // Removed: at the next start its progress is dropped and picture 1 shows.
    quit();
    std::remove((pictures + "page101.pak").c_str());
    start();
    run_for(300);
    EXPECT_EQ(std::count(conf->pages.begin(), conf->pages.end(), 101), 0);
    EXPECT_EQ(conf->get_page(), 1);
}

// A colouring page made into a picture of the child's own: the game shows
// both its variants, one palette between them, and paints the detailed one
// to the bubbles. PINTABO_SHOTS=FOLDER keeps a screenshot of each variant
// there, to look at.
TEST_F(OwnPicture, AColouringPageShowsInBothVariantsAndTheDetailedOnePaintsToTheBubbles) {
    const std::string page = folder.file("frog.png");
    ASSERT_EQ(std::system(("'" + std::string(PINTABO_TESTIMAGE_PROGRAM) + "' page 960 720 '" + page + "'").c_str()), 0);
    std::string errors;
    ASSERT_EQ(run_program(PINTABO_IMPORT_PROGRAM, {page, "--name", "Frog"}, nullptr, errors), 0) << errors;
    quit();
    testing::internal::CaptureStderr();
    start();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "no archive skipped";
    const Page_source* own = find_page(101);
    ASSERT_NE(own, nullptr);
    ASSERT_TRUE(own->has(false) && own->has(true));
    const auto keep_screen = [](const std::string& what) {
        const char* shots = std::getenv("PINTABO_SHOTS");
        std::vector<unsigned char> rgb;
        int w = 0, h = 0;
        if (!shots || !x_screen_image(rgb, w, h)) return;
        const std::vector<unsigned char> png = encode_png(rgb.data(), w, h, 3);
        std::ofstream(std::string(shots) + "/own-frog-" + what + ".png", std::ios::binary)
            .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    };
    for (bool detailed : {false, true}) {
        SCOPED_TRACE(detailed ? "detailed" : "simple");
        conf->detailed = detailed;
        goto_page(101);
        run_for(800);
        ASSERT_EQ(conf->get_page(), 101);
        EXPECT_EQ(tubes().size(), static_cast<size_t>(own->figures.tubes));
        EXPECT_EQ(regions().size(), page_regions(own->variant(detailed)).size());
        keep_screen(detailed ? "detailed" : "simple");
    }
    EXPECT_EQ(paint_every_region(page_regions(own->figures.detailed)), own->figures.detailed.total);
    EXPECT_TRUE(conf->is_finish());
    run_for(400);
    keep_screen("painted");
    conf->detailed = false;
}

// The gallery's "+" tile: the chooser (a stand-in zenity) and the importer
// run while the game goes on. The child closes the chooser, then chooses a
// file that is no picture, then a drawing, which is shown; the gallery turns
// its pages between them, and a second drawing comes in after the first.
TEST_F(OwnPicture, ThePlusTileBringsDrawingsInAndShowsThem) {
    const std::string chosen = drawing();
    std::ofstream(folder.file("notes.txt")) << "not a picture";
    {
        std::ofstream script(folder.file("zenity"));
        script << "#!/bin/sh\ncd '" << folder.path() << "'\nn=$(cat asked 2>/dev/null || echo 0)\n"
               << "echo $((n + 1)) > asked\nsleep 0.2\ncase $n in\n0) exit 1 ;;\n1) echo '"
               << folder.file("notes.txt") << "' ;;\n*) echo '" << chosen << "' ;;\nesac\n";
    }
    chmod(folder.file("zenity").c_str(), 0755);
    const std::string old_path = std::getenv("PATH");
    setenv("PATH", (folder.path() + ":" + old_path).c_str(), 1);
    const auto arrow = [](int side) {
        Object* found = nullptr;
        for (Object* part : MENU_GLOBAL->links.back()->links)
            if (!found) found = child_running(part, when_mouse_select_gallery_arrow_f, side);
        return found;
    };
    const auto open = [&] {
        push_key(SDLK_g);
        ASSERT_TRUE(run_until([] { return !gallery_view().empty() && still(MENU_GLOBAL); }));
        // The + tile follows the twenty built-in pictures, on the last page,
        // which the left arrow on the first page turns to.
        ASSERT_NE(arrow(-1), nullptr);
        if (gallery_plus_tile()) {
            click_on(arrow(-1));
            frames(3);
        }
        ASSERT_EQ(gallery_plus_tile(), nullptr) << "the first page";
        click_on(arrow(-1));
        frames(3);
        ASSERT_NE(gallery_plus_tile(), nullptr) << "a chooser is there, so the + tile is";
    };
    const auto add = [&](bool comes) {
        click_on(gallery_plus_tile());
        ASSERT_TRUE(run_until([] { return own_import_progress() >= 0; }, 5000));
        ASSERT_TRUE(run_until([] { return own_import_progress() < 0; }, 30000)) << "the import ends";
        frames(3);
        if (comes) return;
        // The gallery stays, its pages turn and the + tile answers again.
        for (int side : {1, 1, -1, 1}) {
            click_on(arrow(side));
            frames(2);
        }
        ASSERT_NE(gallery_plus_tile(), nullptr);
    };
    ASSERT_NO_FATAL_FAILURE(open());
    ASSERT_NO_FATAL_FAILURE(add(false));  // closed
    testing::internal::CaptureStderr();
    ASSERT_NO_FATAL_FAILURE(add(false));  // no picture
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("cannot make a page of " + folder.file("notes.txt")), std::string::npos) << said;
    EXPECT_EQ(find_page(101), nullptr);
    ASSERT_NO_FATAL_FAILURE(add(true));
    EXPECT_TRUE(run_until([] { return conf->get_page() == 101; }, 5000));
    EXPECT_FALSE(hits_layer1) << "the gallery closed for the new picture";
    ASSERT_NE(find_page(101), nullptr);
    EXPECT_EQ(regions().size(), page_regions(find_page(101)->figures.simple).size());
    run_for(800);
    ASSERT_NO_FATAL_FAILURE(open());
    ASSERT_NO_FATAL_FAILURE(add(true));
    EXPECT_TRUE(run_until([] { return conf->get_page() == 102; }, 5000)) << "a second import comes in too";
    setenv("PATH", old_path.c_str(), 1);
}

// An own picture whose archive goes (removed, or damaged) while the game
// runs is left out with a line: the arrows and the gallery go on to the
// next picture, and the game plays on.
TEST_F(OwnPicture, APictureRemovedOrDamagedWhileTheGameRunsIsLeftOut) {
    std::string errors;
    for (const char* name : {"One", "Two", "Three"})
        ASSERT_EQ(run_program(PINTABO_IMPORT_PROGRAM, {drawing(), "--name", name, "--detail", "simple"}, nullptr, errors),
                  0)
            << errors;
    quit();
    start();
    ASSERT_NE(find_page(103), nullptr);
    const std::string pictures = get_own_pictures_path();
    std::remove((pictures + "page101.pak").c_str());
    std::ofstream(pictures + "page102.pak") << "damaged by a full disk";
    testing::internal::CaptureStderr();
    goto_page(20);
    run_for(300);
    next_page();
    run_for(800);
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(conf->get_page(), 103) << said;
    EXPECT_NE(said.find("leaving out " + pictures + "page101.pak: it is gone"), std::string::npos) << said;
    EXPECT_NE(said.find("leaving out " + pictures + "page102.pak"), std::string::npos) << said;
    EXPECT_EQ(find_page(101), nullptr);
    EXPECT_EQ(find_page(102), nullptr);
    next_page();
    run_for(800);
    EXPECT_EQ(conf->get_page(), 1);
    prev_page();
    run_for(800);
    EXPECT_EQ(conf->get_page(), 103) << "the left arrow goes round to it";

    // Gone while the gallery shows the page it is on: its thumbnail leaves
    // its place.
    goto_page(1);
    run_for(800);
    push_key(SDLK_g);
    ASSERT_TRUE(run_until([] { return !gallery_view().empty() && still(MENU_GLOBAL); }));
    std::remove((pictures + "page103.pak").c_str());
    testing::internal::CaptureStderr();
    Object* next = nullptr;
    for (Object* part : MENU_GLOBAL->links.back()->links)
        if (!next) next = child_running(part, when_mouse_select_gallery_arrow_f, 1);
    ASSERT_NE(next, nullptr);
    click_on(next);
    run_for(500);
    said = testing::internal::GetCapturedStderr();
    for (const Gallery_tile_view& t : gallery_view()) EXPECT_NE(t.picture, 103);
    EXPECT_NE(said.find("leaving out " + pictures + "page103.pak: it is gone"), std::string::npos) << said;
    EXPECT_EQ(find_page(103), nullptr);
    push_key(SDLK_ESCAPE);
    run_for(800);
    EXPECT_EQ(conf->get_page(), 1);
}

}  // namespace
