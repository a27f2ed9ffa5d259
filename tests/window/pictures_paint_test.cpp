// A picture archive in the game's frame and light: a painted region must
// show its palette colour, an unpainted one the white sheet behind it.
#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>
#include <string>

#include "game/page_table.h"
#include "game/pages.h"
#include "res/platform.h"
#include "save/config.h"
#include "scene/model.h"
#include "window/window_scene.h"

namespace {

class PicturePaint : public WindowScene {
protected:
    std::string dir = get_boundle_path() + "/../data/";
    std::vector<Object*> regions;
    std::vector<int> colours;

    void TearDown() override {
        WindowScene::TearDown();
        delete conf;
        conf = nullptr;
    }

    // The picture as the game's page builder lays it out, in paint-by-numbers
    // mode; the overlay dropped when not wanted.
    void build(int picture, bool detailed, bool with_overlay) {
        media.setpwd(dir);
        conf = new Config();
        conf->by_numbers = true;
        map->addfun(add_light, nullptr);
        Object* root = new Object();
        root->chrot(-90, 0, 0);
        map->addlink(root);
        Object_curent = root;
        build_page(picture, detailed);
        for (Object* region : root->links.at(1)->links) {
            region->visible = true;
            region->animate.actions.clear();  // no fading: colours are set by the test
            regions.push_back(region);
        }
        const PageFigures& f = page_figures[picture - 1];
        for (const PageRegion& r : page_regions(detailed ? f.detailed : f.simple)) colours.push_back(r.num + 1);
        if (!with_overlay) root->links.at(2)->visible = false;
    }

    // Where the middle of a region's largest triangle shows on screen,
    // counted from the top left.
    static bool probe(const Object* region, int& x, int& y) {
        const Model* m = region->models.at(0);
        const float* v = reinterpret_cast<const float*>(m->vertices);
        double best = 0, cx = 0, cy = 0;
        for (int t = 0; t < m->triangle_count; ++t) {
            const float* p = v + 9 * t;
            const double area = std::abs((p[3] - p[0]) * (p[7] - p[1]) - (p[4] - p[1]) * (p[6] - p[0])) / 2;
            if (area > best) {
                best = area;
                cx = (p[0] + p[3] + p[6]) / 3;
                cy = (p[1] + p[4] + p[7]) / 3;
            }
        }
        double proj[16], wx, wy, wz;
        GLint view[4];
        glGetDoublev(GL_PROJECTION_MATRIX, proj);
        glGetIntegerv(GL_VIEWPORT, view);
        if (!gluProject(cx, cy, 0.0, m->matrix, proj, view, &wx, &wy, &wz)) return false;
        x = static_cast<int>(wx);
        y = view[3] - 1 - static_cast<int>(wy);
        return true;
    }
};

TEST_F(PicturePaint, PaintedRegionsShowThePaletteAndBlankOnesTheSheet) {
    build(1, false, false);
    ASSERT_FALSE(regions.empty());
    for (size_t k = 0; k < regions.size(); ++k) {
        if (colours[k] == 10) {
            regions[k]->visible = false;  // fixed regions stay unpainted
            continue;
        }
        const unsigned rgb = page_figures[0].palette[colours[k] - 1];
        regions[k]->setcolor(((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, 1.0);
    }
    frames(3);
    for (size_t k = 0; k < regions.size(); ++k) {
        int x = 0, y = 0;
        ASSERT_TRUE(probe(regions[k], x, y));
        const Color got = pixel(x, y);
        const unsigned rgb = colours[k] == 10 ? 0xFFFFFF : page_figures[0].palette[colours[k] - 1];
        SCOPED_TRACE("region " + std::to_string(k) + " of colour " + std::to_string(colours[k]));
        EXPECT_NEAR(got.r, ((rgb >> 16) & 0xFF) / 255.0, 0.03);
        EXPECT_NEAR(got.g, ((rgb >> 8) & 0xFF) / 255.0, 0.03);
        EXPECT_NEAR(got.b, (rgb & 0xFF) / 255.0, 0.03);
    }
}

TEST_F(PicturePaint, UnpaintedPictureIsWhitePaperWithDarkLines) {
    build(1, true, true);
    for (Object* r : regions) r->visible = false;
    frames(3);
    int white = 0, tinted = 0;
    for (Object* r : regions) {
        int x = 0, y = 0;
        ASSERT_TRUE(probe(r, x, y));
        const Color c = pixel(x, y);
        // A probe may land on a number or a line: grey, but never coloured.
        if (std::abs(c.r - c.g) > 0.03 || std::abs(c.g - c.b) > 0.03) ++tinted;
        if (c.r > 0.97 && c.g > 0.97 && c.b > 0.97) ++white;
    }
    EXPECT_EQ(tinted, 0) << "an unpainted region must show only the sheet and the grey overlay";
    EXPECT_GT(white, static_cast<int>(regions.size()) / 2);
}

}  // namespace
