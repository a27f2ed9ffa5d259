#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "anim/action.h"
#include "anim/animate.h"
#include "shell/frame_clock.h"

// Runs frames of an Animate against a clock the test sets.
class AnimFixture : public ::testing::Test {
protected:
    void SetUp() override {
        CURENT_TIME = 1000;
        calls().clear();
    }

    void frame(Animate& a, uint32_t step_ms) {
        CURENT_TIME += step_ms;
        a.make();
    }

    // Every call of `count_call` writes down its action's iparam1 and time.
    struct Call {
        int tag;
        double time;
        double lifetime;
    };
    static std::vector<Call>& calls() {
        static std::vector<Call> list;
        return list;
    }
    static void count_call(void*) {
        calls().push_back({Action_curent->iparam1, Action_curent->time, Action_curent->lifetime});
    }

    static Action counting(double duration, int tag = 0, int id = 1) {
        Action a(id, true, duration);
        a.fun = count_call;
        a.iparam1 = tag;
        return a;
    }
};
