// The gallery on the real game: a file with picture 3 finished and picture 7
// half painted shows a star on 3, a ring on 7 and the painting of 7 in its
// thumbnail; a thumbnail turns to its picture and the file says so; Escape
// closes; nothing under the gallery answers a click; thumbnails drawn ahead
// while the game rests are in place as soon as it opens.
#include "game/game_state.h"
#include "game/page_table.h"
#include "res/platform.h"
#include "save/config.h"
#include "save/settings_file.h"
#include "save/settings_writer.h"
#include "shell/presenter.h"
#include "shell/scena.h"
#include "shell/startup.h"
#include "ui/gallery.h"
#include "ui/menu.h"
#include "window/game_scene.h"

namespace {

class GalleryTest : public GameScene {
protected:
    // Picture 3 painted whole, the first half of picture 7's regions, picture 1 on screen.
    void SetUp() override {
        GameScene::SetUp();
        quit();
        Config saved;
        saved.help_on_start = false;
        paint(saved, 3, 1.0);
        paint(saved, 7, 0.5);
        saved.set_page(1);
        ASSERT_TRUE(save_settings_file(saved, get_cfg_path()));
        start();
        run_for(800);
    }

    static void paint(Config& c, int picture, double share) {
        c.set_page(picture);
        std::vector<PageRegion> list = page_regions(page_figures[picture - 1].simple);
        list.erase(std::remove_if(list.begin(), list.end(), [](const PageRegion& r) { return r.num == 9; }), list.end());
        const size_t n = static_cast<size_t>(share * static_cast<double>(list.size()));
        for (size_t i = 0; i < n; ++i) c.set_color(list[i].id, Color(), list[i].num);
    }

    void open_gallery() {
        push_key(SDLK_g);
        frame();
        ASSERT_TRUE(hits_layer1);
        ASSERT_TRUE(run_until([] {
            const auto view = gallery_view();
            bool all = !view.empty();
            for (const auto& t : view) all = all && t.drawn;
            return all && still(MENU_GLOBAL);
        }));
    }

    static const Gallery_tile_view* tile(int picture) {
        static std::vector<Gallery_tile_view> view;
        view = gallery_view();
        for (const auto& t : view)
            if (t.picture == picture) return &t;
        return nullptr;
    }

    // Whether the screen shows a colour near `want` somewhere inside the thumbnail.
    bool shows(const Gallery_tile_view* t, Color want) {
        return any_pixel(t, [want](Color c) { return near(c, want); });
    }
    // Lines: darker than the light panel and paper round them, for all
    // that a thumbnail draws them thin.
    bool shows_dark(const Gallery_tile_view* t) {
        return any_pixel(t, [](Color c) { return c.r < 0.7 && c.g < 0.7 && c.b < 0.7; });
    }
    template <typename Test>
    bool any_pixel(const Gallery_tile_view* t, Test test) {
        const auto points = inside(t->tile);
        if (points.empty()) return false;
        int x0 = points[0].first, x1 = x0, y0 = points[0].second, y1 = y0;
        for (const auto& [x, y] : points) {
            x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
        }
        for (int y = y0; y <= y1; y += 2)
            for (int x = x0; x <= x1; x += 2)
                if (test(pixel(x, y))) return true;
        return false;
    }
};

TEST_F(GalleryTest, StarsRingsThePaintingAndATurnToAnotherPicture) {
    ASSERT_NO_FATAL_FAILURE(open_gallery());
    ASSERT_EQ(gallery_view().size(), 20u);
    EXPECT_TRUE(tile(3)->starred);
    EXPECT_EQ(tile(3)->ring, 0);
    EXPECT_FALSE(tile(7)->starred);
    EXPECT_GE(tile(7)->ring, 10);
    EXPECT_LE(tile(7)->ring, 14) << "about half of 24";
    EXPECT_EQ(tile(12)->ring, 0);
    EXPECT_TRUE(tile(1)->framed);
    EXPECT_FALSE(tile(3)->framed);
    EXPECT_EQ(gallery_count(), std::make_pair(1, 20));

    // The colours painted in 7 and 3 are in their thumbnails; a picture
    // never visited shows its sheet and outlines all the same.
    PageRegion first7 = page_regions(page_figures[6].simple).front();
    for (const PageRegion& r : page_regions(page_figures[6].simple))
        if (r.num < 9) {
            first7 = r;
            break;
        }
    EXPECT_TRUE(shows(tile(7), palette_color(page_figures[6].palette[first7.num])));
    EXPECT_TRUE(shows(tile(3), palette_color(page_figures[2].palette[0])));
    EXPECT_TRUE(shows(tile(12), Color(1.0, 1.0, 1.0)));
    EXPECT_TRUE(shows_dark(tile(12))) << "the outlines";

    // Nothing under the gallery answers: the picture keeps its regions.
    const size_t painted_before = conf->pieces_qor.at(static_cast<size_t>(conf->page_index)).size();
    brush_clean = false;
    color_selected = 0;
    color = conf->get_custom_color(0);
    // Between two thumbnails, over the middle of the picture.
    const double unit = scena->height / (2.0 * 18.5 * 0.41421356);
    click_at(cx() - static_cast<int>(1.6 * unit), cy() - static_cast<int>(0.65 * unit));
    EXPECT_TRUE(hits_layer1) << "the gallery stays open";
    EXPECT_EQ(conf->pieces_qor.at(static_cast<size_t>(conf->page_index)).size(), painted_before);
    EXPECT_EQ(colors_hint, 0);

    ASSERT_NE(tile(12), nullptr);
    click_on(tile(12)->tile);
    EXPECT_FALSE(hits_layer1);
    run_for(300);
    EXPECT_EQ(conf->get_page(), 12);
    EXPECT_EQ(COLORS_NUM, page_figures[11].tubes);
    EXPECT_EQ(tubes().size(), static_cast<size_t>(page_figures[11].tubes));
    settings_writer.flush();
    std::string bytes;
    int error = 0;
    ASSERT_TRUE(read_settings_file(get_cfg_path(), bytes, error));
    const Config back(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    EXPECT_EQ(back.get_page(), 12) << "the file records the turn";
    EXPECT_TRUE(run_until([] { return MENU_GLOBAL->links.empty(); }));
}

TEST_F(GalleryTest, EscapeClosesAndAThumbnailOfThePictureOnScreenOnlyCloses) {
    ASSERT_NO_FATAL_FAILURE(open_gallery());
    push_key(SDLK_ESCAPE);
    frame();
    EXPECT_FALSE(hits_layer1);
    EXPECT_TRUE(run_until([] { return MENU_GLOBAL->links.empty(); }));
    EXPECT_FALSE(menu_block);

    const Object* before = picture();
    ASSERT_NO_FATAL_FAILURE(open_gallery());
    ASSERT_NE(tile(1), nullptr);
    click_on(tile(1)->tile);
    run_for(300);
    EXPECT_EQ(picture(), before) << "no rebuild for the picture already on screen";
    EXPECT_TRUE(run_until([] { return MENU_GLOBAL->links.empty(); }));
}

// While the game rests, the thumbnails are drawn ahead, and nothing on the
// screen is drawn anew for them; the gallery then opens with every one in
// place at once, showing the painting.
TEST_F(GalleryTest, ThumbnailsDrawnAheadWhileTheGameRestsAreInPlaceAtOnce) {
    run_for(1500);
    const unsigned long drawn = presenter.whole_frames + presenter.brush_frames;
    run_for(3000);
    EXPECT_EQ(presenter.whole_frames + presenter.brush_frames, drawn) << "resting draws nothing on the screen";
    push_key(SDLK_g);
    frame();
    frame();
    const auto view = gallery_view();
    ASSERT_EQ(view.size(), 20u);
    for (const auto& t : view) EXPECT_TRUE(t.drawn) << "picture " << t.picture;
    ASSERT_TRUE(run_until([] { return still(MENU_GLOBAL); }));
    EXPECT_TRUE(shows(tile(3), palette_color(page_figures[2].palette[0])));
}

}  // namespace
