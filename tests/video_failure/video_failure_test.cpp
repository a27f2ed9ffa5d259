// The two ways the window can fail to open each print their message and end
// the process with status 1; a display that is late is waited for.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

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

// A display that starts taking clients a moment after the game asked for it
// (a server that turned one connection away, a session still starting) is
// asked again, and the window opens.
TEST(VideoFailure, ADisplayThatComesAMomentLaterIsWaitedFor) {
    int display = 0;
    for (display = 60 + getpid() % 200; display < 400; ++display) {
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(display);
        const std::string lock = "/tmp/.X" + std::to_string(display) + "-lock";
        if (access(socket.c_str(), F_OK) != 0 && access(lock.c_str(), F_OK) != 0) break;
    }
    const std::string name = ":" + std::to_string(display);
    // The server starts taking clients a little after the game first asks.
    const pid_t server = fork();
    if (server == 0) {
        for (int fd = 3; fd < 1024; ++fd) close(fd);
        usleep(400 * 1000);
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, 1);
        dup2(quiet, 2);
        execlp("Xvfb", "Xvfb", name.c_str(), "-screen", "0", "640x480x24", "-nolisten", "tcp", "-noreset",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    EXPECT_EXIT(
        {
            setenv("DISPLAY", name.c_str(), 1);
            unsetenv("SDL_VIDEODRIVER");
            Scena s(640, 480, 24);
            std::exit(s.width == 640 ? 0 : 2);
        },
        ::testing::ExitedWithCode(0), "");
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
}
