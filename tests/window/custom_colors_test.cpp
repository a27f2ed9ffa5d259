// A colour of the child's own for the tube in the brush: the dialog opened
// by the colours button, the palette read off the screen, the tube rebuilt.
#include <GL/glu.h>

#include <algorithm>
#include <vector>

#include "game/game_state.h"
#include "save/config.h"
#include "scene/model.h"
#include "shell/startup.h"
#include "ui/buttons.h"
#include "ui/interface_buttons.h"
#include "ui/menu.h"
#include "window/game_scene.h"

namespace {

class CustomColors : public GameScene {
protected:
    static Object* colors_button() { return hide_button(process_colors_button_f); }

    // Tube `index` (0-based) into the brush, then the dialog through the
    // colours button that this brings.
    void open_dialog(int index) {
        run_for(800);
        click_on(tubes().at(static_cast<size_t>(index)));
        ASSERT_EQ(color_selected, index);
        ASSERT_TRUE(run_until([] { return colors_button() != nullptr; }));
        Object* button = colors_button();
        ASSERT_TRUE(run_until([button] { return button->scale_x >= 1.0; })) << "the colours button has come";
        click_on(button);
        ASSERT_EQ(MENU_GLOBAL->links.size(), 1u);
        ASSERT_TRUE(run_until([] { return MENU_GLOBAL->links.back()->links.size() > 1 && still(MENU_GLOBAL); }));
    }

    static Object* panel() { return MENU_GLOBAL->links.back()->links.at(1); }
    static Object* current_swatch() { return panel()->links.at(0); }
    static Object* hover_swatch() { return panel()->links.at(1); }
    static Object* palette() { return panel()->links.at(2); }

    // The reddest point of the palette: the hue starts from red at the left
    // edge of the gradient. Read off a frame drawn without showing it.
    std::pair<int, int> reddest() {
        const Model* m = palette()->models.at(0);
        const float* v = reinterpret_cast<const float*>(m->vertices);
        double proj[16];
        GLint view[4];
        glGetDoublev(GL_PROJECTION_MATRIX, proj);
        glGetIntegerv(GL_VIEWPORT, view);
        double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;  // window rows, from the bottom
        for (int i = 0; i < 3 * m->triangle_count; ++i) {
            double wx, wy, wz;
            gluProject(v[3 * i], v[3 * i + 1], v[3 * i + 2], m->matrix, proj, view, &wx, &wy, &wz);
            x0 = std::min(x0, wx);
            x1 = std::max(x1, wx);
            y0 = std::min(y0, wy);
            y1 = std::max(y1, wy);
        }
        const int left = static_cast<int>(x0), bottom = static_cast<int>(y0);
        const int w = static_cast<int>(x1) - left, h = static_cast<int>(y1) - bottom;
        std::vector<unsigned char> rgb(static_cast<size_t>(w * h * 3));
        draw_scene();
        glReadPixels(left, bottom, w, h, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        int best = -1, best_score = 1 << 30;
        for (int i = 0; i < w * h; ++i) {
            const unsigned char* p = &rgb[static_cast<size_t>(3 * i)];
            const int score = (255 - p[0]) + p[1] + p[2];
            if (score < best_score) best_score = score, best = i;
        }
        return {left + best % w, view[3] - 1 - (bottom + best / w)};
    }

    // Points at the reddest point and returns the colour the game reads there.
    Color hover_red() {
        const auto [x, y] = reddest();
        push_motion(x, y);
        frames(2);
        return mouse_hover_pixel;
    }
};

TEST_F(CustomColors, RedFromThePaletteReplacesTheColourOfTheTubeInTheBrush) {
    ASSERT_NO_FATAL_FAILURE(open_dialog(2));
    const Color before1 = conf->get_custom_color(1), before3 = conf->get_custom_color(3);
    EXPECT_TRUE(hits_layer1);
    EXPECT_TRUE(current_swatch()->rgb.eq(conf->get_custom_color(2)));
    const Color red = hover_red();
    ASSERT_TRUE(red.r > 0.98 && red.g < 0.03 && red.b < 0.03) << red.r << " " << red.g << " " << red.b;
    frame();
    EXPECT_TRUE(hover_swatch()->rgb.eq(red)) << "the colour under the pointer";
    EXPECT_FALSE(current_swatch()->rgb.eq(red)) << "only a click takes it";
    push_button(true, SDL_BUTTON_LEFT);
    push_button(false, SDL_BUTTON_LEFT);
    frames(4);
    EXPECT_TRUE(conf->get_custom_color(2).eq(red));
    EXPECT_TRUE(conf->get_custom_color(1).eq(before1));
    EXPECT_TRUE(conf->get_custom_color(3).eq(before3)) << "not the next tube";
    EXPECT_TRUE(color.eq(red)) << "the brush carries the new colour";
    EXPECT_FALSE(brush_clean);
    EXPECT_FALSE(hits_layer1);

    EXPECT_TRUE(run_until([] { return MENU_GLOBAL->links.empty(); }));
    EXPECT_TRUE(tubes().at(2)->links.at(0)->rgb.eq(red)) << "the tube's ribbon";
    EXPECT_FALSE(tubes().at(3)->links.at(0)->rgb.eq(red));
    EXPECT_TRUE(show_reset_button);
}

TEST_F(CustomColors, EscapeLeavesTheTubeAndTheBrushAsTheyWere) {
    ASSERT_NO_FATAL_FAILURE(open_dialog(4));
    const Color own = conf->get_custom_color(4);
    hover_red();
    color = Color(0.0, 0.0, 1.0);  // whatever the brush shows meanwhile
    push_key(SDLK_ESCAPE);
    frame();
    frame();
    EXPECT_FALSE(hits_layer1);
    EXPECT_TRUE(color.eq(own));
    EXPECT_FALSE(conf->exist_custom_colors());
    EXPECT_TRUE(run_until([] { return MENU_GLOBAL->links.empty(); }));
    EXPECT_FALSE(show_reset_button);
}

// A cancel in the frame of the click or the next cannot part the tube from
// the brush: the pick completes. A cancel before the click takes nothing.
TEST_F(CustomColors, ACancelRacingAPickLeavesTubeBrushAndSavedColourAgreeing) {
    for (int gap : {0, 1, -1}) {
        SCOPED_TRACE(gap);
        conf->reset_custom_colors();
        ASSERT_NO_FATAL_FAILURE(open_dialog(2));
        const Color own = conf->get_custom_color(2);
        const Color red = hover_red();
        auto click = [] {
            push_button(true, SDL_BUTTON_LEFT);
            push_button(false, SDL_BUTTON_LEFT);
        };
        if (gap < 0) push_key(SDLK_ESCAPE), frame();
        click();
        if (gap > 0) frame();
        if (gap >= 0) push_key(SDLK_ESCAPE);
        frame();
        EXPECT_TRUE(run_until([] { return MENU_GLOBAL->links.empty(); }));
        frames(2);
        const Color want = gap < 0 ? own : red;
        EXPECT_TRUE(conf->get_custom_color(2).eq(want));
        EXPECT_TRUE(color.eq(want)) << "the brush";
        EXPECT_TRUE(tubes().at(2)->links.at(0)->rgb.eq(want)) << "the tube's ribbon";
        EXPECT_FALSE(hits_layer1);
        EXPECT_EQ(conf->exist_custom_colors(), gap >= 0);
        // The brush paints the tube's regions: it is not taken for another colour.
        EXPECT_TRUE(color.eq(conf->get_custom_color(color_selected)));
    }
}

}  // namespace
