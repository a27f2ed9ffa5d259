#include "logic/anim_fixture.h"

#include "anim/event.h"

using Actions = AnimFixture;

TEST_F(Actions, OneShotRunsExactlyOnce) {
    Animate a;
    a.add(counting(-1.0));
    for (int i = 0; i < 4; ++i) frame(a, 16);
    EXPECT_EQ(calls().size(), 1u);
    EXPECT_TRUE(a.actions.empty());
}

TEST_F(Actions, EndlessNeverFinishesByItself) {
    Animate a;
    a.add(counting(0.0));
    for (int i = 0; i < 50; ++i) frame(a, 1000);
    EXPECT_EQ(calls().size(), 50u);
    ASSERT_EQ(a.actions.size(), 1u);
    EXPECT_TRUE(a.actions[0].endless);
}

TEST_F(Actions, TimedActionRunsOnItsLastFrameAndIsGoneOnTheNext) {
    Animate a;
    a.add(counting(500.0));
    for (int i = 0; i < 5; ++i) frame(a, 100);
    EXPECT_EQ(calls().size(), 5u);
    EXPECT_EQ(calls().back().lifetime, 500.0);
    ASSERT_EQ(a.actions.size(), 1u);
    EXPECT_TRUE(a.actions[0].rip());
    frame(a, 100);
    EXPECT_EQ(calls().size(), 5u);
    EXPECT_TRUE(a.actions.empty());
}

TEST_F(Actions, StoppedActionKeepsItsClocksAndResumes) {
    Animate a;
    a.add(counting(0.0));
    frame(a, 40);
    a.stop_id(1);
    for (int i = 0; i < 10; ++i) frame(a, 1000);
    EXPECT_EQ(a.actions[0].time, 40.0);
    EXPECT_EQ(a.actions[0].lifetime, 40.0);
    a.start_id(1);
    frame(a, 10);
    EXPECT_EQ(a.actions[0].time, 50.0);
    EXPECT_EQ(calls().size(), 2u);
}

TEST_F(Actions, SetRipIdEndsEveryActionOfThatId) {
    Animate a;
    for (int i = 0; i < 3; ++i) a.add(counting(0.0, i, 7));
    a.add(counting(0.0, 9, 8));
    frame(a, 10);
    a.set_rip_id(7);
    a.set_rip_id(99);  // an id nobody has changes nothing
    frame(a, 10);
    ASSERT_EQ(a.actions.size(), 1u);
    EXPECT_EQ(a.actions[0].iparam1, 9);
}

TEST_F(Actions, FirstFrameAdvancesByTimeSinceConstruction) {
    Animate a;
    a.add(counting(0.0));
    CURENT_TIME += 250;
    a.make();
    ASSERT_EQ(calls().size(), 1u);
    EXPECT_EQ(calls()[0].time, 250.0);
}

TEST_F(Actions, ClockWrapGivesSmallPositiveStep) {
    CURENT_TIME = 0xFFFFFF00u;
    Animate a;
    a.add(counting(0.0));
    CURENT_TIME = 0x100u;
    a.make();
    ASSERT_EQ(calls().size(), 1u);
    EXPECT_EQ(calls()[0].time, 512.0);
}

TEST_F(Actions, OffsetIsClearedEveryFrame) {
    Animate a;
    a.offset.chposition(5, 5, 5);
    frame(a, 10);
    EXPECT_EQ(a.offset.pos_x, 0.0);
}

// A behaviour that sends a slot of its own object appends to the list that is
// being walked. Its own record must stay writable after the send, and the new
// actions must still run in this frame with the same step.
namespace {
Event* self_event = nullptr;

void send_to_self_then_write(void*) {
    Action* me = Action_curent;
    self_event->send(1);
    me->set_rip();
    me->iparam2 = 42;
    me->dparam3 = 3.5;
}
}  // namespace

TEST_F(Actions, BehaviourAppendingToItsOwnListKeepsItsRecord) {
    Animate a;
    Event e;
    e.setup(&a);
    self_event = &e;
    e.create_slot();
    Action sender(1, true, 0.0);
    sender.fun = send_to_self_then_write;
    e.add_action(sender);
    e.create_slot();
    for (int i = 0; i < 200; ++i) e.add_action(counting(0.0, i));
    e.send(0);

    frame(a, 30);
    ASSERT_EQ(calls().size(), 200u);
    for (const Call& c : calls()) EXPECT_EQ(c.time, 30.0);
    ASSERT_EQ(a.actions.size(), 201u);
    EXPECT_TRUE(a.actions[0].rip());
    EXPECT_EQ(a.actions[0].iparam2, 42);
    EXPECT_EQ(a.actions[0].dparam3, 3.5);

    frame(a, 30);
    EXPECT_EQ(a.actions.size(), 200u);
}
