// Which picture a start shows, and in which variant: the saved one in its
// saved variant, else picture 1 in the variant the settings say, and its
// painting goes to that variant's tables only.
#include "game/game_state.h"
#include "game/page_table.h"
#include "res/platform.h"
#include "save/config.h"
#include "save/settings_file.h"
#include "window/game_scene.h"

namespace {

class StartPage : public GameScene {
protected:
    // Starts again on settings saying: paint by numbers, `detailed`, the
    // pictures `pages` with region color1el1 of the first one painted in the
    // detailed tables, and `current` as the index of the picture on screen.
    void restart_with(bool detailed, const std::vector<int>& pages, int current) {
        quit();
        Config saved;
        saved.help_on_start = false;
        saved.detailed = true;
        for (int page : pages) saved.set_page(page);
        saved.page_index = 0;
        saved.set_color(11, Color(), 0);  // the first picture's region color1el1, detailed
        saved.detailed = detailed;
        saved.page_index = current;
        ASSERT_TRUE(save_settings_file(saved, get_cfg_path()));
        start();
        frames(2);
    }

    static std::string sheet_archive() { return picture()->links.at(0)->added_paks.at(0); }

    // Paints region color2el1 of the picture on screen through the game's rule.
    void paint_region_21() {
        run_for(800);
        Object* target = region("color2el1");
        ASSERT_NE(target, nullptr);
        const auto [x, y] = white_point(target);
        ASSERT_GE(x, 0);
        brush_clean = false;
        color_selected = 1;
        color = conf->get_custom_color(1);
        click_at(x, y);
    }

    static size_t painted(const std::vector<std::vector<Piece_qor>>& tables, int picture) {
        for (size_t i = 0; i < conf->pages.size(); ++i)
            if (conf->pages[i] == picture) return tables[i].size();
        return 0;
    }
};

TEST_F(StartPage, TheSavedPictureReopensInEitherVariant) {
    for (bool detailed : {false, true}) {
        SCOPED_TRACE(detailed);
        restart_with(detailed, {3, 7}, 1);
        EXPECT_EQ(conf->get_page(), 7);
        EXPECT_EQ(sheet_archive(), page_archive(7, detailed));
        EXPECT_EQ(regions().size(), page_regions(detailed ? page_figures[6].detailed : page_figures[6].simple).size());
    }
}

TEST_F(StartPage, APageOutsideTheCatalogueFallsBackToPicture1InTheSavedVariant) {
    restart_with(true, {1, 42}, 1);
    EXPECT_EQ(conf->get_page(), 1);
    EXPECT_EQ(sheet_archive(), "hpage01.pak");
    EXPECT_EQ(conf->get_quality(), page_figures[0].detailed.total);
    EXPECT_TRUE(region("color1el1")->visible) << "the detailed painting is shown";

    paint_region_21();
    EXPECT_EQ(painted(conf->hpieces_qor, 1), 2u);
    EXPECT_EQ(painted(conf->pieces_qor, 1), 0u) << "nothing written to the simple tables";

    restart_with(true, {5}, -1);  // no picture on screen at all
    EXPECT_EQ(sheet_archive(), "hpage01.pak");
}

}  // namespace
