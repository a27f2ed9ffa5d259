// The window tests share one full-screen window, opened before the first test
// as the game opens it.
#include <gtest/gtest.h>

#include "shell/scena.h"

namespace {

class WindowEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        scena = new Scena(0, 0, 0);
        init_light();
    }
    void TearDown() override {
        delete scena;
        scena = nullptr;
    }
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new WindowEnvironment);
    return RUN_ALL_TESTS();
}
