#include <gtest/gtest.h>

#include "logic/gl_recorder.h"
#include "scene/coordin.h"

TEST(Coordin, FreshTransformIssuesNoMatrixCall) {
    gl_recorder::clear();
    Coordin c;
    c.move();
    EXPECT_EQ(gl_recorder::joined(), "");
    EXPECT_FALSE(c.scale_flag());
}

TEST(Coordin, TranslatesThenRotatesXOutermostAndSkipsZeroAngles) {
    gl_recorder::clear();
    Coordin c;
    c.chposition(1.0, 0.0, -2.5);
    c.chrot(90.0, 0.0, 90.0);
    c.move();
    EXPECT_EQ(gl_recorder::joined(), "translate 1 0 -2.5; rotate 90 1 0 0; rotate 90 0 0 1");
}

TEST(Coordin, HalvesApplySeparately) {
    Coordin c;
    c.chposition(0.0, 3.0, 0.0);
    c.chrot(0.0, 45.0, 0.0);
    gl_recorder::clear();
    c.move_rot();
    c.move_position();
    EXPECT_EQ(gl_recorder::joined(), "rotate 45 0 1 0; translate 0 3 0");
}

TEST(Coordin, ScaleFlagSurvivesEmpty) {
    Coordin c;
    c.chscale(1.0, 1.0, 1.0);
    EXPECT_TRUE(c.scale_flag());
    c.addscale(0.5, 0.5, 0.5);
    c.addposition(1, 2, 3);
    c.addrot(10, 20, 30);
    c.empty();
    EXPECT_TRUE(c.scale_flag());
    EXPECT_EQ(c.scale_x, 1.0);
    EXPECT_EQ(c.pos_y, 0.0);
    EXPECT_EQ(c.rot_z, 0.0);
    gl_recorder::clear();
    c.scale();
    EXPECT_EQ(gl_recorder::joined(), "scale 1 1 1");
}
