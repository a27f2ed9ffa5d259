#include "anim/event.h"

#include "logic/anim_fixture.h"

using Events = AnimFixture;

TEST_F(Events, CreateSlotNumbersFromZeroAndBecomesCurrent) {
    Animate a;
    Event e;
    e.setup(&a);
    EXPECT_EQ(e.create_slot(), 0);
    EXPECT_EQ(e.create_slot(), 1);
    e.add_action(counting(0.0, 11));
    EXPECT_EQ(e.create_slot(), 2);
    EXPECT_TRUE(e.slot_actions[0].empty());
    ASSERT_EQ(e.slot_actions[1].size(), 1u);
    EXPECT_EQ(e.select_slot(0), 1);
    e.add_action(counting(0.0, 12));
    EXPECT_EQ(e.slot_actions[0].size(), 1u);
    EXPECT_EQ(e.select_slot(3), 0);
    EXPECT_EQ(e.select_slot(-1), 0);
    EXPECT_EQ(e.slot, 0);
}

TEST_F(Events, EverySendStartsIndependentCopies) {
    Animate a;
    Event e;
    e.setup(&a);
    e.create_slot();
    e.add_action(counting(0.0));
    e.send(0);
    frame(a, 100);
    e.send(0);
    frame(a, 100);
    e.send(0);
    frame(a, 100);
    ASSERT_EQ(a.actions.size(), 3u);
    EXPECT_EQ(a.actions[0].time, 300.0);
    EXPECT_EQ(a.actions[1].time, 200.0);
    EXPECT_EQ(a.actions[2].time, 100.0);
    EXPECT_EQ(e.slot_actions[0][0].time, 0.0);  // the template is untouched
}

TEST_F(Events, IdCommandsActOnActionsJustAddedAndAlreadyRunning) {
    Animate a;
    Event e;
    e.setup(&a);
    e.create_slot();
    e.add_action(counting(0.0, 1, 5));
    e.send(0);  // one running copy with id 5
    e.create_slot();
    e.add_action(counting(0.0, 2, 5));
    e.add_action(counting(0.0, 3, 6));
    e.add_idmove({5, 0});
    e.add_idmove({6, 3});  // not a command: nothing happens
    e.send(1);
    frame(a, 10);
    ASSERT_EQ(calls().size(), 1u);
    EXPECT_EQ(calls()[0].tag, 3);

    e.create_slot();
    e.add_idmove({5, 1});
    e.send(2);
    e.create_slot();
    e.add_idmove({6, 2});
    e.send(3);
    calls().clear();
    frame(a, 10);
    EXPECT_EQ(calls().size(), 2u);  // both id 5 run again; id 6 is gone uncalled
    EXPECT_EQ(a.actions.size(), 2u);
}

TEST_F(Events, ForwardChainRunsDepthFirstInOrder) {
    Animate shared;
    Event a, b, c;
    a.setup(&shared);
    b.setup(&shared);
    c.setup(&shared);
    for (Event* e : {&a, &b, &c})
        for (int s = 0; s < 3; ++s) e->create_slot();
    a.select_slot(1);
    a.add_action(counting(0.0, 1));
    a.add_event_and_command(b, 0);
    a.add_event_and_command({&c, 0});
    b.select_slot(0);
    b.add_action(counting(0.0, 2));
    b.add_event_and_command(c, 2);
    c.select_slot(2);
    c.add_action(counting(0.0, 3));
    c.select_slot(0);
    c.add_action(counting(0.0, 4));

    a.send(1);
    ASSERT_EQ(shared.actions.size(), 4u);
    EXPECT_EQ(shared.actions[0].iparam1, 1);
    EXPECT_EQ(shared.actions[1].iparam1, 2);
    EXPECT_EQ(shared.actions[2].iparam1, 3);
    EXPECT_EQ(shared.actions[3].iparam1, 4);
}

TEST_F(Events, SendingAMissingSlotDoesNothing) {
    Animate a;
    Event e;
    e.setup(&a);
    e.add_action(counting(0.0));  // no slot yet: ignored
    e.send(0);
    e.send(-3);
    EXPECT_TRUE(a.actions.empty());
}
