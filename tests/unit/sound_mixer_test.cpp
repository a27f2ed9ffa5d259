#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <cstdlib>
#include <cstring>

#include "anim/action.h"
#include "audio/sound.h"
#include "res/media.h"
#include "save/config.h"
#include "support/temp_folder.h"
#include "support/test_archive.h"
#include "support/wav_files.h"

namespace {

constexpr int buffer_bytes = 2048;  // one callback: 512 stereo 16-bit frames

int pack_refs(const char* pak) {
    for (size_t i = 0; i < media.pack_names.size(); ++i)
        if (media.pack_names[i] == pak) return media.pack_refs[i];
    return 0;
}

int busy_channels() {
    int n = 0;
    for (const Channel& c : sounds)
        if (c.position != c.length || c.music) ++n;
    return n;
}

// A Sound on SDL's dummy driver with its own archives. The device is paused
// and the audio lock held, so the mixer runs only when a test calls it.
class SoundTest : public ::testing::Test {
protected:
    TempFolder folder;
    std::string old_pwd;
    bool held = false;

    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        std::vector<int> low(50, 160);
        write_archive(folder.file("sound.pak"),
                    {{"button.wav", wav_constant_s16_stereo(100, 1000)},
                     {"loud.wav", wav_constant_s16_stereo(10, 30000)},
                     {"low.wav", wav_file(11025, 1, 8, low)},
                     {"garbage.wav", {'R', 'I', 'F', 'F', 1, 2, 3}}});
        write_archive(folder.file("music.pak"), {{"music.wav", wav_constant_s16_stereo(64, 1280)}});
        old_pwd = media.pwd;
        media.setpwd(folder.prefix());
        conf = new Config();
        sound = new Sound();
        ASSERT_FALSE(sound->failed) << SDL_GetError();
        hold();
    }

    void TearDown() override {
        release();
        delete sound;
        sound = nullptr;
        delete conf;
        conf = nullptr;
        wav_close_archive("sound.pak");
        wav_close_archive("music.pak");
        media.setpwd(old_pwd);
    }

    void hold() {
        SDL_PauseAudio(1);
        SDL_LockAudio();
        held = true;
    }
    void release() {
        if (!held) return;
        SDL_UnlockAudio();
        SDL_PauseAudio(0);
        held = false;
    }

    std::vector<unsigned char> mix(int len = buffer_bytes) {
        std::vector<unsigned char> stream(static_cast<size_t>(len), 0);
        mixaudio(nullptr, stream.data(), len);
        return stream;
    }
};

void expect_samples(const std::vector<unsigned char>& stream, size_t from, size_t to, int value) {
    for (size_t i = from; i < to; ++i) ASSERT_EQ(wav_sample(stream.data(), i), value) << "sample " << i;
}

}  // namespace

TEST_F(SoundTest, SixPlaysInOneBufferStartFiveAndDropTheSixth) {
    for (int i = 0; i < 5; ++i) sound->play("button.wav", false);
    ASSERT_EQ(busy_channels(), 5);
    mix(40);
    sound->play("button.wav", false);
    sound->play("low.wav", false);  // dropped before it is even read
    for (const Channel& c : sounds) {
        EXPECT_EQ(c.position, 40u);
        EXPECT_EQ(c.length, 400u);
        EXPECT_EQ(c.samples, sounds[0].samples);
    }
    EXPECT_EQ(sound->sound_names, std::vector<std::string>{"button.wav"});
}

TEST_F(SoundTest, ASecondPlayUsesTheSamplesConvertedAtTheFirst) {
    sound->play("button.wav", false);
    const Uint8* first = sounds[0].samples;
    mix();
    EXPECT_EQ(busy_channels(), 0);
    sound->play("button.wav", false);
    EXPECT_EQ(sounds[0].samples, first);
    EXPECT_EQ(sound->converted.size(), 1u);
    EXPECT_EQ(pack_refs("sound.pak"), 1);
}

TEST_F(SoundTest, EightBitMonoIsConvertedToSixteenBitStereoAt22050) {
    sound->play("low.wav", false);  // 50 frames at 11025 Hz
    ASSERT_EQ(sounds[0].length, 50u * 8u);
    expect_samples(mix(), 0, 200, (160 - 128) * 256);
}

TEST_F(SoundTest, EffectsAndMusicAreAddedAtTheirVolumes) {
    sound->play("music.wav", true);     // 256 bytes of 1280, mixed at 38/128
    sound->play("button.wav", false);   // 400 bytes of 1000
    sound->play("loud.wav", false);     // 40 bytes of 30000, twice: clipped
    sound->play("loud.wav", false);
    const std::vector<unsigned char> out = mix();
    expect_samples(out, 0, 20, 32767);
    expect_samples(out, 20, 128, 1000 + 380);
    expect_samples(out, 128, 200, 1000);
    expect_samples(out, 200, buffer_bytes / 2, 0);
    EXPECT_EQ(busy_channels(), 1);  // the music waits to loop
}

TEST_F(SoundTest, MusicLoopsInTheNextBufferAndStopsWhenSwitchedOff) {
    sound->play("music.wav", true);
    mix();
    EXPECT_EQ(sounds[0].position, sounds[0].length);
    EXPECT_TRUE(sounds[0].music);
    const std::vector<unsigned char> again = mix();
    expect_samples(again, 0, 128, 380);
    expect_samples(again, 128, buffer_bytes / 2, 0);

    conf->music_on = false;
    const std::vector<unsigned char> off = mix();
    expect_samples(off, 0, buffer_bytes / 2, 0);
    EXPECT_FALSE(sounds[0].music);
    EXPECT_EQ(busy_channels(), 0);
}

TEST_F(SoundTest, WithEffectsOffOnlyMusicStarts) {
    conf->sound_on = false;
    sound->play("button.wav", false);
    EXPECT_EQ(busy_channels(), 0);
    EXPECT_TRUE(sound->sound_names.empty());
    sound->play("music.wav", true);
    EXPECT_TRUE(sounds[0].music);

    // With both off, music does not even start.
    mix();
    conf->music_on = false;
    mix();
    sound->play("music.wav", true);
    EXPECT_EQ(busy_channels(), 0);
}

TEST_F(SoundTest, UnplayableNamesAreRememberedAndNeverMixed) {
    for (int round = 0; round < 2; ++round) {
        sound->play("missing.wav", false);
        sound->play("garbage.wav", false);
        sound->play("nothing.wav", true);
    }
    EXPECT_EQ(busy_channels(), 0);
    EXPECT_EQ(sound->sound_names.size(), 3u);
    for (const SDL_AudioCVT& cvt : sound->converted) EXPECT_EQ(cvt.buf, nullptr);
    EXPECT_EQ(pack_refs("sound.pak"), 2);  // read once each
    EXPECT_EQ(pack_refs("music.pak"), 1);
    expect_samples(mix(), 0, buffer_bytes / 2, 0);
}

TEST_F(SoundTest, TheMusicActionRestartsMusicOnlyWhenItIsSwitchedBackOn) {
    Action a(1, true, 0.0);
    a.iparam1 = 1;  // music was on when the menu was built
    Action_curent = &a;
    play_music_f(nullptr);
    EXPECT_EQ(busy_channels(), 0);

    conf->music_on = false;
    play_music_f(nullptr);
    EXPECT_EQ(a.iparam1, 0);
    conf->music_on = true;
    play_music_f(nullptr);
    play_music_f(nullptr);
    sound->play("music.wav", true);  // already playing: not started twice
    Action_curent = nullptr;
    EXPECT_EQ(a.iparam1, 1);
    EXPECT_EQ(busy_channels(), 1);
    EXPECT_TRUE(sounds[0].music);
    EXPECT_EQ(sounds[0].position, 0u);
}

TEST_F(SoundTest, TheDeviceRunsTheMixerOnItsOwn) {
    sound->play("button.wav", false);
    release();
    // Generous: the dummy device consumes a buffer every 23 ms.
    for (int i = 0; i < 1000 && busy_channels() > 0; ++i) SDL_Delay(10);
    EXPECT_EQ(busy_channels(), 0);
}

TEST(SoundWithoutDevice, NothingPlaysAndNothingIsRead) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    Config settings;
    conf = &settings;
    {
        Sound silent;
        EXPECT_TRUE(silent.failed);
        silent.play("button.wav", false);  // no archive is opened either
        silent.play("music.wav", true);
        EXPECT_TRUE(silent.sound_names.empty());
        for (const Channel& c : sounds) EXPECT_TRUE(c.samples == nullptr && c.length == 0 && !c.music);
    }
    conf = nullptr;
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}
