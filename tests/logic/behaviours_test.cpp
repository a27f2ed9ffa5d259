#include "anim/behaviours.h"

#include <gtest/gtest.h>

#include <cmath>

#include "logic/gl_recorder.h"
#include "scene/object.h"
#include "shell/frame_clock.h"
#include "support/test_objects.h"

namespace {

class Behaviours : public ::testing::Test {
protected:
    Object root;
    Object* obj = nullptr;

    void SetUp() override {
        CURENT_TIME = 5000;
        obj = new Object();
        root.addlink(obj);
    }
    void TearDown() override { dismantle(root); }
    void give(action_fun f, int axis, double d1, double d2 = 0.0, double d3 = 0.0, void* param = nullptr,
              double duration = 0.0) {
        const int s = obj->event.create_slot();
        Action a(1, true, duration);
        a.init(f, axis, d1, d2, d3);
        a.param = param;
        obj->event.add_action(a);
        obj->event.send(s);
    }
    void run(int frames, uint32_t step) {
        for (int i = 0; i < frames; ++i) {
            CURENT_TIME += step;
            root.draw();
        }
    }
    // The per-frame offset the object's actions built in the last frame.
    const Coordin& offset() const { return obj->animate.offset; }
};

void noop(void*) {}

}  // namespace

TEST_F(Behaviours, LinearMoveIsAnOffsetThatVanishesWithTheAction) {
    give(move_linear, 1, 100.0, 0, 0, nullptr, 2000.0);
    run(20, 100);
    EXPECT_DOUBLE_EQ(offset().pos_y, 200.0);
    EXPECT_EQ(obj->pos_y, 0.0);
    run(1, 100);
    EXPECT_EQ(offset().pos_y, 0.0);
    EXPECT_TRUE(obj->animate.actions.empty());
}

TEST_F(Behaviours, GlobalLinearMoveStaysAfterTheActionEnds) {
    give(move_linear_global, 0, 100.0, 0, 0, nullptr, 1000.0);
    run(12, 100);
    EXPECT_NEAR(obj->pos_x, 100.0, 1e-9);
    EXPECT_EQ(offset().pos_x, 0.0);
}

TEST_F(Behaviours, ExponentialMoveEasesTowardsItsDistance) {
    give(move_exp, 2, 10.0, -5.0);
    run(10, 100);
    EXPECT_NEAR(offset().pos_z, 10.0 * (1.0 - std::exp(-5.0)), 1e-9);
    EXPECT_NEAR(offset().pos_z, 9.93, 0.01);
}

TEST_F(Behaviours, SineAndRotationsUseTheirAxis) {
    give(move_sin, 0, 2.0, 3.0, 0.5);
    give(rot_linear, 1, 90.0, 10.0);
    give(rot_sin, 2, 30.0, 1.0, 0.0);
    run(5, 100);
    EXPECT_NEAR(offset().pos_x, 2.0 * std::sin(0.5 + 500 * 3.0 / 1000), 1e-12);
    EXPECT_NEAR(offset().rot_y, 500 * 90.0 / 1000 + 10.0, 1e-12);
    EXPECT_NEAR(offset().rot_z, 30.0 * std::sin(0.5), 1e-12);
}

TEST_F(Behaviours, GlobalRotationAddsItsStartAngleEveryFrame) {
    give(rot_linear_global, 0, 100.0, 1.0);
    run(4, 250);
    EXPECT_NEAR(obj->rot_x, 100.0 + 4 * 1.0, 1e-9);
}

TEST_F(Behaviours, AxisOutOfRangeDoesNothing) {
    give(move_linear, 3, 100.0);
    give(rot_linear, -1, 100.0, 5.0);
    give(move_linear_global, 7, 100.0);
    run(3, 100);
    EXPECT_EQ(offset().pos_x + offset().pos_y + offset().pos_z, 0.0);
    EXPECT_EQ(offset().rot_x + offset().rot_y + offset().rot_z, 0.0);
    EXPECT_EQ(obj->pos_x + obj->pos_y + obj->pos_z, 0.0);
}

TEST_F(Behaviours, DieAfterZeroDelayDeletesOnTheFirstFrameWithTime) {
    give(die_after_msec, 0, 0.0);
    run(1, 0);
    EXPECT_FALSE(obj->deleted);
    run(1, 1);
    EXPECT_TRUE(obj->deleted);
}

TEST_F(Behaviours, SendAfterDelaySendsExactlyOnceAndEnds) {
    Object target;
    target.event.create_slot();
    target.event.create_slot();
    Action a(1, true, 0.0);
    a.fun = noop;
    target.event.add_action(a);
    give(send_command_after_msec, 1, 500.0, 0, 0, &target);
    run(5, 100);  // t = 500 is not past the delay
    EXPECT_TRUE(target.animate.actions.empty());
    run(5, 100);
    EXPECT_EQ(target.animate.actions.size(), 1u);
    EXPECT_TRUE(obj->animate.actions.empty());
}

TEST_F(Behaviours, OffsetIsAppliedAfterTheObjectsOwnTransform) {
    obj->chposition(1, 0, 0);
    give(move_linear, 2, 1000.0);
    gl_recorder::clear();
    run(1, 4);
    EXPECT_EQ(gl_recorder::joined(), "push; push; translate 1 0 0; translate 0 0 4; pop; pop");
}
