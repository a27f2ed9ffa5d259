// The camera button on the real game: the picture as painted lands in the
// pictures folder as a PNG 2048 pixels across, a new file for every press;
// a folder that cannot be written leaves the game playing and writes nothing.
#include <SDL/SDL_image.h>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <cstdlib>
#include <fstream>

#include "game/game_state.h"
#include "game/keepsakes.h"
#include "game/navigation.h"
#include "res/platform_process.h"
#include "game/page_table.h"
#include "save/config.h"
#include "scene/model.h"
#include "ui/buttons.h"
#include "ui/interface_buttons.h"
#include "ui/keepsake_feedback.h"
#include "window/game_scene.h"

namespace {

std::vector<std::string> pngs_in(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* d = opendir(folder.c_str())) {
        while (const dirent* e = readdir(d)) {
            const std::string n = e->d_name;
            if (n.size() > 4 && n.compare(n.size() - 4, 4, ".png") == 0) names.push_back(n);
        }
        closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

class Keepsakes : public GameScene {
protected:
    std::string old_home;

    void SetUp() override {
        GameScene::SetUp();
        old_home = std::getenv("HOME") ? std::getenv("HOME") : "";
        setenv("HOME", folder.path().c_str(), 1);
        keepsake_clock = [] { return static_cast<std::time_t>(1796656200); };  // 2026-12-08 15:30 UTC
    }
    void TearDown() override {
        keepsake_wait();
        keepsake_clock = [] { return std::time(nullptr); };
        GameScene::TearDown();
        setenv("HOME", old_home.c_str(), 1);
    }

    void user_dirs(const std::string& pictures) {
        std::ofstream(folder.file("user-dirs.dirs")) << "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                                     << "XDG_PICTURES_DIR=\"" << pictures << "\"\n";
    }

    static Object* camera_button() { return hide_button(process_camera_button_f); }

    // Region `name` painted with its tube's colour, through the game's rule.
    void paint(const char* name, int num) {
        const auto [x, y] = white_point(region(name));
        ASSERT_GE(x, 0);
        brush_clean = false;
        color_selected = num;
        color = conf->get_custom_color(num);
        click_at(x, y);
        ASSERT_TRUE(conf->get_color_state(region_id(name)));
    }
    static int region_id(const std::string& name) {
        for (const PageRegion& r : page_regions(page_figures[0].simple))
            if (r.name == name) return r.id;
        return 0;
    }

    void press_camera() {
        ASSERT_TRUE(run_until([] { return camera_button() && camera_button()->scale_x >= 1.0; }));
        click_on(camera_button());
        keepsake_wait();
        frames(2);  // the outcome is taken
    }

    // Where a region's widest triangle falls in the saved image: the image
    // is the picture's sheet, as the screen shows it, drawn large.
    static std::pair<int, int> image_point(const Object* region, int w, int h) {
        const Model* sheet = picture()->links.at(0)->models.at(0);
        float box[6];
        sheet->box(box);
        double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
        for (int c = 0; c < 8; ++c) {
            const double v[3] = {box[c & 1 ? 3 : 0], box[c & 2 ? 4 : 1], box[c & 4 ? 5 : 2]};
            const double* m = sheet->matrix;
            const double ex = m[0] * v[0] + m[4] * v[1] + m[8] * v[2] + m[12];
            const double ey = m[1] * v[0] + m[5] * v[1] + m[9] * v[2] + m[13];
            x0 = std::min(x0, ex), x1 = std::max(x1, ex), y0 = std::min(y0, ey), y1 = std::max(y1, ey);
        }
        const Model* m = region->models.at(0);
        const float* p = reinterpret_cast<const float*>(m->vertices);
        int best = 0;
        double widest = -1.0;
        for (int t = 0; t < m->triangle_count; ++t) {
            const float* q = p + 9 * t;
            const double area = std::abs((q[3] - q[0]) * (q[7] - q[1]) - (q[4] - q[1]) * (q[6] - q[0]));
            if (area > widest) widest = area, best = t;
        }
        const float* q = p + 9 * best;
        const double c[3] = {(q[0] + q[3] + q[6]) / 3, (q[1] + q[4] + q[7]) / 3, (q[2] + q[5] + q[8]) / 3};
        const double* r = m->matrix;
        const double ex = r[0] * c[0] + r[4] * c[1] + r[8] * c[2] + r[12];
        const double ey = r[1] * c[0] + r[5] * c[1] + r[9] * c[2] + r[13];
        return {static_cast<int>((ex - x0) / (x1 - x0) * w), static_cast<int>((y1 - ey) / (y1 - y0) * h)};
    }

    static Color image_pixel(SDL_Surface* s, int x, int y) {
        Uint8 r = 0, g = 0, b = 0;
        Uint32 v = 0;
        std::memcpy(&v, static_cast<Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel,
                    s->format->BytesPerPixel);
        SDL_GetRGB(v, s->format, &r, &g, &b);
        return Color(r / 255.0, g / 255.0, b / 255.0);
    }
};

TEST_F(Keepsakes, ThePaintingLandsInThePicturesFolderAsANewPngEachTime) {
    user_dirs("$HOME/Bilder");
    run_for(800);
    paint("color1el1", 0);
    paint("color2el1", 1);
    run_for(3000);  // the colours have faded in on screen too
    ASSERT_NO_FATAL_FAILURE(press_camera());
    const std::string saved = folder.file("Bilder/pintabo");
    std::vector<std::string> files = pngs_in(saved);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].rfind("pintabo-picture-01-simple-", 0), 0u) << files[0];

    SDL_Surface* image = IMG_Load((saved + "/" + files[0]).c_str());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->w, keepsake_pixels);
    EXPECT_GT(image->h, keepsake_pixels / 2);
    for (const auto& [name, num] : {std::pair<const char*, int>{"color1el1", 0}, {"color2el1", 1}}) {
        const auto [x, y] = image_point(region(name), image->w, image->h);
        EXPECT_TRUE(near(image_pixel(image, x, y), palette_color(page_figures[0].palette[num]))) << name;
    }
    const auto [wx, wy] = image_point(region("color3el1"), image->w, image->h);
    EXPECT_TRUE(near(image_pixel(image, wx, wy), Color(1.0, 1.0, 1.0))) << "an unpainted region is white";
    SDL_FreeSurface(image);

    ASSERT_NO_FATAL_FAILURE(press_camera());
    files = pngs_in(saved);
    ASSERT_EQ(files.size(), 2u);
    const std::string first = files[0].find("-2.png") == std::string::npos ? files[0] : files[1];
    EXPECT_NE(std::find(files.begin(), files.end(), first.substr(0, first.size() - 4) + "-2.png"), files.end())
        << "the second press makes a -2 file beside " << first;
}

TEST_F(Keepsakes, WithoutUserDirsThePicturesGoToPicturesInHome) {
    run_for(800);
    paint("color1el1", 0);
    ASSERT_NO_FATAL_FAILURE(press_camera());
    EXPECT_EQ(pngs_in(folder.file("Pictures/pintabo")).size(), 1u);
}

TEST_F(Keepsakes, AFolderThatCannotBeWrittenLeavesTheGamePlayingAndWritesNothing) {
    // Not even root may make a folder under /proc; anyone else meets a
    // folder of their own they may not write.
    if (geteuid() == 0) {
        user_dirs("/proc/pintabo-pictures");
    } else {
        mkdir(folder.file("locked").c_str(), 0555);
        user_dirs("$HOME/locked");
    }
    run_for(800);
    paint("color1el1", 0);
    testing::internal::CaptureStderr();
    ASSERT_NO_FATAL_FAILURE(press_camera());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("cannot save the picture"), std::string::npos) << said;
    EXPECT_TRUE(pngs_in(folder.file("locked/pintabo")).empty());
    run_for(600);
    EXPECT_TRUE(camera_button() != nullptr) << "the game goes on, the button stays";
    EXPECT_FALSE(camera_shake_pending) << "the button has shaken its no";
}

// "Print pages": pintabo-sheets (beside the game) makes the sheet of the
// picture on screen in its variant and the game's language, it gets a name
// of its own beside a parent's file of the same name, and it is opened.
TEST_F(Keepsakes, PrintPagesMakesTheSheetInTheGamesLanguageUnderANewName) {
    user_dirs("$HOME/Bilder");
    std::ofstream(folder.file("xdg-open")) << "#!/bin/sh\necho \"$1\" >> '" << folder.file("opened") << "'\n";
    chmod(folder.file("xdg-open").c_str(), 0755);
    const std::string old_path = std::getenv("PATH");
    setenv("PATH", (folder.path() + ":" + old_path).c_str(), 1);
    const std::string sheets = folder.file("Bilder/pintabo/");
    mkdir(folder.file("Bilder").c_str(), 0755);
    mkdir(sheets.c_str(), 0755);
    const std::string taken = sheets + keepsake_base("sheet", 7, true, keepsake_clock()) + ".pdf";
    std::ofstream(taken) << "a parent's own file";
    conf->set_language(4);
    conf->detailed = true;
    goto_page(7);
    run_for(800);
    ASSERT_EQ(conf->get_page(), 7);
    ASSERT_TRUE(start_sheet_keepsake());
    keepsake_wait();
    frames(2);
    setenv("PATH", old_path.c_str(), 1);
    const std::string made = sheets + keepsake_base("sheet", 7, true, keepsake_clock()) + "-2.pdf";
    std::string text;
    {
        std::string errors;
        ASSERT_EQ(run_program("/usr/bin/pdftotext", {made, folder.file("sheet.txt")}, nullptr, errors), 0) << errors;
        std::ifstream in(folder.file("sheet.txt"));
        std::getline(in, text, '\0');
    }
    EXPECT_NE(text.find("dessin 7, détaillé"), std::string::npos) << "the French title of picture 7, detailed: " << text;
    std::string opened;
    std::getline(std::ifstream(folder.file("opened")), opened);
    EXPECT_EQ(opened, made);
    std::string kept;
    std::getline(std::ifstream(taken), kept);
    EXPECT_EQ(kept, "a parent's own file");
    if (DIR* d = opendir(sheets.c_str())) {
        while (const dirent* e = readdir(d)) {
            const std::string n = e->d_name;
            if (n != "." && n != ".." && sheets + n != taken && sheets + n != made)
                ADD_FAILURE() << "nothing else is left: " << n;
        }
        closedir(d);
    }
}

}  // namespace
