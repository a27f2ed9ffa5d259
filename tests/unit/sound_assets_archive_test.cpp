#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "res/pack.h"
#include "sound_assets_decode.h"
#include "support/temp_folder.h"
#include "tools/assetbuild/sound_loudness.h"
#include "tools/assetbuild/sounds.h"

TEST(SoundAssetsArchives, HoldTheEffectsAndTheMusic) {
    TempFolder dir;
    ASSERT_TRUE(build_sound_archives(dir.prefix()));

    Pack sounds(dir.file("sound.pak").c_str());
    EXPECT_EQ(sounds.names,
              (std::vector<std::string>{"button.wav", "banka.wav", "scena.wav", "finish.wav", "scena_false.wav",
                                        "camera.wav"}));
    for (const WavFile& f : build_effect_wavs()) {
        SCOPED_TRACE(f.name);
        const raw r = sounds.getfile(f.name.c_str());
        ASSERT_NE(r.data, nullptr);
        EXPECT_TRUE(std::vector<unsigned char>(r.data, r.data + r.size) == f.bytes);
        EXPECT_TRUE(decode_wav(f.bytes).loaded);
    }

    Pack music(dir.file("music.pak").c_str());
    EXPECT_EQ(music.names, std::vector<std::string>{"music.wav"});
    const raw r = music.getfile("music.wav");
    ASSERT_NE(r.data, nullptr);
    const DecodedWav w = decode_wav(std::vector<unsigned char>(r.data, r.data + r.size));
    EXPECT_TRUE(w.loaded);
    EXPECT_EQ(w.channels, 2);
}

TEST(SoundAssetsArchives, ReportFailureWhenTheFolderIsMissing) {
    TempFolder dir;
    testing::internal::CaptureStderr();
    const bool ok = build_sound_archives(dir.prefix() + "no/such/folder/");
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(ok);
    EXPECT_NE(message.find("sound.pak"), std::string::npos);
}

// The mix as the archives hold it, measured after EBU R128 (integrated; over
// the whole length for a sound shorter than one 400 ms block): every sound
// within 1 LU of the loudness its purpose asks for, in the order finish >
// right click >= interface clicks > wrong click > music, no true peak over
// -1 dBTP.
TEST(SoundAssetsArchives, MixEverySoundByItsPurpose) {
    TempFolder dir;
    ASSERT_TRUE(build_sound_archives(dir.prefix()));
    std::map<std::string, snd::Loudness> m;
    for (const char* archive : {"sound.pak", "music.pak"}) {
        Pack pack(dir.file(archive).c_str());
        for (const std::string& name : pack.names) {
            const raw r = pack.getfile(name.c_str());
            const DecodedWav w = decode_wav(std::vector<unsigned char>(r.data, r.data + r.size));
            ASSERT_TRUE(w.loaded) << name;
            snd::Audio a(w.channels, w.frames());
            for (int c = 0; c < w.channels; ++c) {
                const std::vector<double> x = w.channel(c);
                std::copy(x.begin(), x.end(), a.ch[static_cast<size_t>(c)].begin());
            }
            m[name] = snd::measure_loudness(a);
        }
    }
    const std::map<std::string, double> target{{"finish.wav", -16.0}, {"scena.wav", -20.0},
                                               {"banka.wav", -20.0},  {"button.wav", -20.0},
                                               {"scena_false.wav", -23.0}, {"music.wav", -24.0},
                                               {"camera.wav", -20.5}};
    ASSERT_EQ(m.size(), target.size());
    for (const auto& [name, lufs] : target) {
        SCOPED_TRACE(name);
        EXPECT_NEAR(m[name].lufs, lufs, 1.0);
        EXPECT_LE(m[name].true_peak, -1.0);
    }
    EXPECT_GT(m["finish.wav"].lufs, m["scena.wav"].lufs);
    for (const char* click : {"banka.wav", "button.wav", "camera.wav"}) {
        SCOPED_TRACE(click);
        EXPECT_GE(m["scena.wav"].lufs, m[click].lufs);
        EXPECT_GT(m[click].lufs, m["scena_false.wav"].lufs);
    }
    EXPECT_GT(m["scena_false.wav"].lufs, m["music.wav"].lufs);
}
