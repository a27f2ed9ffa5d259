#include <gtest/gtest.h>

#include <string>

#include "res/pack.h"
#include "sound_assets_decode.h"
#include "support/temp_folder.h"
#include "tools/assetbuild/sounds.h"

TEST(SoundAssetsArchives, HoldTheEffectsAndTheMusic) {
    TempFolder dir;
    ASSERT_TRUE(build_sound_archives(dir.prefix()));

    Pack sounds(dir.file("sound.pak").c_str());
    EXPECT_EQ(sounds.names,
              (std::vector<std::string>{"button.wav", "banka.wav", "scena.wav", "finish.wav", "scena_false.wav"}));
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
