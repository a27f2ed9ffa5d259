// Starting and quitting again and again with the music playing: the mixer's
// thread reads the settings' sound options, so every quit must close the
// mixer before the settings go (the mixer checks this as it closes).
#include "audio/sound.h"
#include "save/config.h"
#include "window/game_scene.h"

namespace {

class StartStop : public GameScene {};

TEST_F(StartStop, TenStartsAndQuitsWithTheMusicPlaying) {
    for (int round = 0; round < 10; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(conf->music_on);
        frames(3);
        bool music = false;
        SDL_LockAudio();
        for (const Channel& c : sounds) music |= c.music && c.samples != nullptr;
        SDL_UnlockAudio();
        EXPECT_TRUE(music) << "the music plays while the game runs";
        quit();
        start();
    }
}

}  // namespace
