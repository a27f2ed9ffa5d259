// A picture archive in the game's frame and light: a painted region must
// show its palette colour, an unpainted one the white sheet behind it.
#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>
#include <string>

#include "res/pack.h"
#include "res/platform.h"
#include "scene/model.h"
#include "window/window_scene.h"

namespace {

// Picture 1's palette, colour numbers 1 to 9.
const unsigned kPalette[9] = {0x93C700, 0xDFFF66, 0x23AF01, 0x6F0484, 0x5B00E7, 0x00BDDB, 0xFFD200, 0xFF9000, 0x6DDAF9};

class PicturePaint : public WindowScene {
protected:
    std::string dir = get_boundle_path() + "/../data/";
    std::vector<Object*> regions;
    std::vector<int> colours;

    // The picture as the page builder lays it out: the sheet, the region
    // container (which undoes the root's turn) and the overlay.
    void build(const char* pak, bool with_overlay) {
        media.setpwd(dir);
        map->addfun(add_light, nullptr);
        Object* root = new Object();
        root->chrot(-90, 0, 0);
        map->addlink(root);
        pickable(root, pak, "block", 0.0);
        Object* container = new Object();
        container->chrot(90, 0, 0);
        container->chposition(-11.716, -51.121, -14.607);
        root->addlink(container);
        const Pack names((dir + pak).c_str());
        for (const std::string& name : names.names) {
            int colour = 0, element = 0;
            if (std::sscanf(name.c_str(), "color%del%d", &colour, &element) != 2) continue;
            Object* region = pickable(container, pak, name.c_str(), 0.0);
            region->setcolor(0.8, 0.8, 0.8, 1.0);
            regions.push_back(region);
            colours.push_back(colour);
        }
        if (with_overlay) {
            Object* overlay = new Object();
            overlay->add(pak, "list_nums");
            overlay->add(pak, "list_kontur");
            root->addlink(overlay);
        }
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
    build("page01.pak", false);
    ASSERT_FALSE(regions.empty());
    for (size_t k = 0; k < regions.size(); ++k) {
        if (colours[k] == 10) {
            regions[k]->visible = false;  // fixed regions stay unpainted
            continue;
        }
        const unsigned rgb = kPalette[colours[k] - 1];
        regions[k]->setcolor(((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, 1.0);
    }
    frames(3);
    for (size_t k = 0; k < regions.size(); ++k) {
        int x = 0, y = 0;
        ASSERT_TRUE(probe(regions[k], x, y));
        const Color got = pixel(x, y);
        const unsigned rgb = colours[k] == 10 ? 0xFFFFFF : kPalette[colours[k] - 1];
        SCOPED_TRACE("region " + std::to_string(k) + " of colour " + std::to_string(colours[k]));
        EXPECT_NEAR(got.r, ((rgb >> 16) & 0xFF) / 255.0, 0.03);
        EXPECT_NEAR(got.g, ((rgb >> 8) & 0xFF) / 255.0, 0.03);
        EXPECT_NEAR(got.b, (rgb & 0xFF) / 255.0, 0.03);
    }
}

TEST_F(PicturePaint, UnpaintedPictureIsWhitePaperWithDarkLines) {
    build("hpage01.pak", true);
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
