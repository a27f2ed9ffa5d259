#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "sound_assets_decode.h"
#include "tools/assetbuild/sound_music.h"
#include "tools/assetbuild/sounds.h"

namespace {

const WavFile& music() {
    static const WavFile file = build_music_wav();
    return file;
}

const DecodedWav& decoded() {
    static const DecodedWav w = decode_wav(music().bytes);
    return w;
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(p * static_cast<double>(v.size() - 1))];
}

double rms(const std::vector<double>& x, size_t from, size_t to) {
    double sum = 0.0;
    for (size_t i = from; i < to; ++i) sum += x[i] * x[i];
    return std::sqrt(sum / static_cast<double>(to - from));
}

}  // namespace

TEST(SoundAssetsMusic, IsNamedAndLoadsAsStereo16BitAt22050) {
    EXPECT_EQ(music().name, "music.wav");
    const DecodedWav& w = decoded();
    ASSERT_TRUE(w.loaded) << SDL_GetError();
    EXPECT_EQ(w.format, AUDIO_S16LSB);
    EXPECT_EQ(w.freq, 22050);
    EXPECT_EQ(w.channels, 2);
}

TEST(SoundAssetsMusic, LastsWholeBarsAndAtLeastThirtySeconds) {
    const DecodedWav& w = decoded();
    EXPECT_GE(w.seconds(), 30.0);
    // 4/4 at the tune's tempo.
    const size_t bar = static_cast<size_t>(22050.0 * 60.0 / snd::music_bpm * 4.0);
    EXPECT_EQ(w.frames() % bar, 0u);
    EXPECT_EQ(w.frames() / bar, static_cast<size_t>(snd::music_bars));
}

// Background music is mixed well under the effects, yet never near silence.
TEST(SoundAssetsMusic, PeaksClearOfFullScaleWithoutDc) {
    const DecodedWav& w = decoded();
    EXPECT_GE(peak_dbfs(w), -20.0);
    EXPECT_LE(peak_dbfs(w), -1.0);
    for (int c = 0; c < 2; ++c) EXPECT_LT(std::fabs(mean(decoded().channel(c))), 0.002);
}

// Looping jumps from the last frame to the first: that step must look like
// any other step inside the music.
TEST(SoundAssetsMusic, EndJoinsStartWithoutAStep) {
    const DecodedWav& w = decoded();
    for (int c = 0; c < 2; ++c) {
        SCOPED_TRACE(c);
        const std::vector<double> x = w.channel(c);
        std::vector<double> steps(x.size() - 1);
        for (size_t i = 1; i < x.size(); ++i) steps[i - 1] = std::fabs(x[i] - x[i - 1]);
        const double seam = std::fabs(x.front() - x.back());
        EXPECT_LE(seam, percentile(steps, 0.99));
    }
}

// What still rings at the end (reverb, long notes) must carry on at the
// start of the next pass rather than stop dead.
TEST(SoundAssetsMusic, StartCarriesOnWhatRingsAtTheEnd) {
    const DecodedWav& w = decoded();
    const size_t window = 44;  // 2 ms: before any new note at the top is more than a whisper
    for (int c = 0; c < 2; ++c) {
        SCOPED_TRACE(c);
        const std::vector<double> x = w.channel(c);
        const double end = rms(x, x.size() - window, x.size());
        ASSERT_GT(end, 0.002);
        EXPECT_GT(rms(x, 0, window), 0.6 * end);
    }
}

TEST(SoundAssetsMusic, SameBytesEveryBuild) { EXPECT_TRUE(build_music_wav().bytes == music().bytes); }
