// The two ways the window can fail to open each print their message and end
// the process with status 1.
#include <gtest/gtest.h>

#include <cstdlib>

#include "shell/scena.h"

TEST(VideoFailure, NoVideoDriverPrintsInitializationMessage) {
    EXPECT_EXIT(
        {
            setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
            Scena s(0, 0, 0);
        },
        ::testing::ExitedWithCode(1), "Video initialization failed: ");
}

TEST(VideoFailure, DriverWithoutOpenGLPrintsModeSetMessage) {
    EXPECT_EXIT(
        {
            setenv("SDL_VIDEODRIVER", "dummy", 1);
            Scena s(640, 480, 32);
        },
        ::testing::ExitedWithCode(1), "Video mode set failed: ");
}
