// The finishing bubbles: the chain of bursts and the life of one bubble.
#include "game/effects.h"
#include "game/randname.h"
#include "logic/game_fixture.h"
#include "support/test_objects.h"

namespace {

class Completion : public GameRules {};

TEST(RandnameTest, DrawsWithoutRepetitionAndEmpties) {
    std::srand(7);
    Randname<int32_t> bag;
    for (int k = 0; k < 12; ++k) bag.push_back(k % 9 + 1);
    std::vector<int32_t> drawn;
    while (bag.size() > 0) drawn.push_back(bag.rand_del());
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(drawn, (std::vector<int32_t>{1, 1, 2, 2, 3, 3, 4, 5, 6, 7, 8, 9}));

    Randname<const char*> names;
    names.push_back("a");
    names.push_back("b");
    for (int i = 0; i < 20; ++i) {
        const std::string pick = names.rand();
        EXPECT_TRUE(pick == "a" || pick == "b");
    }
    EXPECT_EQ(names.size(), 2u) << "rand() keeps what it picks";
    names.empty();
    EXPECT_EQ(names.size(), 0u);
}

TEST_F(Completion, TwelveBurstsOneFromTheFinishingTubeTheRestDrawnFromTheCycle) {
    start_completion_effect(4, 9);
    Object root;
    std::vector<int> launchers;
    int guard = 0;
    while (effect_quality > 0 && guard++ < 20) {
        ASSERT_TRUE(shot);
        launchers.push_back(color_effect_num);
        const size_t before = root.links.size();
        launch_burst(Color(1.0, 0.0, 0.0), &root);
        EXPECT_EQ(root.links.size() - before, 51u) << "a timer and fifty bubbles";
        EXPECT_FALSE(shot);
        shot = true;  // the timer's 200 ms have passed
    }
    ASSERT_EQ(launchers.size(), 12u);
    EXPECT_EQ(launchers[0], 4);
    std::vector<int> rest(launchers.begin() + 1, launchers.end());
    for (int t : rest) EXPECT_TRUE(t >= 1 && t <= 9);
    // Eleven of the twelve cycling values are used, each once.
    std::vector<int> cycle{1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3};
    for (int t : rest) {
        auto it = std::find(cycle.begin(), cycle.end(), t);
        ASSERT_NE(it, cycle.end()) << "tube " << t << " launched too often";
        cycle.erase(it);
    }
    EXPECT_EQ(cycle.size(), 1u);
    dismantle(root);
}

TEST_F(Completion, TheTimerFiresAfter200MillisecondsAndRemovesItself) {
    Object timer;
    Action a{1, true, 0.0};
    a.time = 200.0;
    run(shot_flag_f, a, timer, false, false);
    EXPECT_FALSE(shot);
    EXPECT_FALSE(timer.deleted);
    a.time = 201.0;
    run(shot_flag_f, a, timer, false, false);
    EXPECT_TRUE(shot);
    EXPECT_TRUE(timer.deleted);
}

TEST_F(Completion, BurstBubbleGrowsThenFadesAndGoes) {
    Object bubble;
    Action a{1, true, 0.0};
    a.dparam1 = 1000.0;
    a.time = 500.0;
    run(last_effect_f, a, bubble, false, false);
    EXPECT_DOUBLE_EQ(bubble.scale_x, 0.15);
    EXPECT_DOUBLE_EQ(bubble.alpha, 1.0);
    a.time = 800.0;
    run(last_effect_f, a, bubble, false, false);
    EXPECT_NEAR(bubble.alpha, 0.5, 1e-12);
    EXPECT_FALSE(bubble.deleted);
    a.time = 1000.0;
    run(last_effect_f, a, bubble, false, false);
    EXPECT_TRUE(bubble.deleted);
}

TEST_F(Completion, ClickBubbleShrinksOverItsLife) {
    Object bubble;
    Action a{1, true, 0.0};
    run(zoom_f, a, bubble, false, false);
    EXPECT_NEAR(bubble.scale_x, 0.39, 1e-12);
    a.time = 700.0;
    run(zoom_f, a, bubble, false, false);
    EXPECT_NEAR(bubble.scale_z, 0.09, 1e-12);
}

}  // namespace
