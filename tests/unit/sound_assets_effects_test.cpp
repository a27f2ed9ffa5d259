#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "sound_assets_decode.h"
#include "tools/assetbuild/sounds.h"

namespace {

const std::vector<WavFile>& effects() {
    static const std::vector<WavFile> files = build_effect_wavs();
    return files;
}

std::map<std::string, DecodedWav> decoded_effects() {
    std::map<std::string, DecodedWav> out;
    for (const WavFile& f : effects()) out[f.name] = decode_wav(f.bytes);
    return out;
}

// The frequency a signal's energy sits at on average: the RMS of its slope
// over the RMS of the signal, in Hz. Buzzy, bright sounds score high.
double mean_frequency(const std::vector<double>& x, size_t from, size_t to, int rate) {
    double slope = 0.0, level = 0.0;
    for (size_t i = from + 1; i < to; ++i) {
        const double d = x[i] - x[i - 1];
        slope += d * d;
        level += x[i] * x[i];
    }
    const double two_pi = 6.283185307179586;
    return level > 0.0 ? std::sqrt(slope / level) * rate / two_pi : 0.0;
}

}  // namespace

TEST(SoundAssetsEffects, AreTheSixGameEffects) {
    std::vector<std::string> names;
    for (const WavFile& f : effects()) names.push_back(f.name);
    EXPECT_EQ(names, (std::vector<std::string>{"button.wav", "banka.wav", "scena.wav", "finish.wav", "scena_false.wav",
                                                "camera.wav"}));
}

TEST(SoundAssetsEffects, LoadWithSdlAs16BitAt22050) {
    for (const auto& [name, w] : decoded_effects()) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(w.loaded) << SDL_GetError();
        EXPECT_EQ(w.format, AUDIO_S16LSB);
        EXPECT_EQ(w.freq, 22050);
        EXPECT_TRUE(w.channels == 1 || w.channels == 2);
        EXPECT_GT(w.frames(), 0u);
    }
}

// The mix sets each effect's loudness; its peak stays clear of full scale.
TEST(SoundAssetsEffects, PeakClearOfFullScaleAndAudible) {
    for (const auto& [name, w] : decoded_effects()) {
        SCOPED_TRACE(name);
        const double db = peak_dbfs(w);
        EXPECT_GE(db, -20.0);
        EXPECT_LE(db, -1.0);
    }
}

// A sound that starts or stops away from zero clicks.
TEST(SoundAssetsEffects, FadeInFromAndOutToSilence) {
    for (const auto& [name, w] : decoded_effects()) {
        SCOPED_TRACE(name);
        const size_t one_ms = 22;
        for (int c = 0; c < w.channels; ++c) {
            const std::vector<double> x = w.channel(c);
            ASSERT_GT(x.size(), 2 * one_ms);
            EXPECT_LT(std::fabs(x.front()), 0.01);
            EXPECT_LT(std::fabs(x.back()), 0.01);
            EXPECT_LT(max_abs(x, 0, one_ms), 0.25);
            EXPECT_LT(max_abs(x, x.size() - one_ms, x.size()), 0.25);
        }
    }
}

TEST(SoundAssetsEffects, HaveNoDcOffset) {
    for (const auto& [name, w] : decoded_effects()) {
        SCOPED_TRACE(name);
        for (int c = 0; c < w.channels; ++c) EXPECT_LT(std::fabs(mean(w.channel(c))), 0.002);
    }
}

TEST(SoundAssetsEffects, LengthsSuitTheirMoments) {
    auto all = decoded_effects();
    EXPECT_LE(all["button.wav"].seconds(), 0.3);
    EXPECT_LE(all["camera.wav"].seconds(), 0.3);
    EXPECT_LE(all["banka.wav"].seconds(), 1.0);
    EXPECT_LE(all["scena.wav"].seconds(), 1.0);
    EXPECT_LE(all["scena_false.wav"].seconds(), 1.0);
    EXPECT_GE(all["finish.wav"].seconds(), 1.5);
    EXPECT_LE(all["finish.wav"].seconds(), 3.0);
}

// The wrong-click sound must stay low and round (no buzz) and fall in pitch.
TEST(SoundAssetsEffects, WrongClickIsLowSoftAndFalling) {
    const DecodedWav w = decoded_effects()["scena_false.wav"];
    const std::vector<double> x = w.channel(0);
    const size_t half = x.size() / 2;
    const double whole = mean_frequency(x, 0, x.size(), w.freq);
    const double first = mean_frequency(x, 0, half, w.freq);
    const double second = mean_frequency(x, half, x.size(), w.freq);
    EXPECT_LT(whole, 600.0);
    EXPECT_GT(first, second * 1.08);
}

// The painting sound is the bright counterpart of the wrong click.
TEST(SoundAssetsEffects, PaintingSoundsBrighterThanWrongClick) {
    auto all = decoded_effects();
    const std::vector<double> paint = all["scena.wav"].channel(0);
    const std::vector<double> wrong = all["scena_false.wav"].channel(0);
    EXPECT_GT(mean_frequency(paint, 0, paint.size(), 22050), 2.0 * mean_frequency(wrong, 0, wrong.size(), 22050));
}

TEST(SoundAssetsEffects, SameBytesEveryBuild) {
    const std::vector<WavFile> again = build_effect_wavs();
    ASSERT_EQ(again.size(), effects().size());
    for (size_t i = 0; i < again.size(); ++i) EXPECT_TRUE(again[i].bytes == effects()[i].bytes) << again[i].name;
}
