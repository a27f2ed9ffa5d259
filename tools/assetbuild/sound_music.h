#pragma once

#include <cstddef>

#include "sound_synth.h"

namespace snd {

// The background tune: C major, 4/4 at 100 beats a minute, 32 bars.
constexpr int music_bpm = 100;
constexpr int music_beats_per_bar = 4;
constexpr int music_bars = 32;
constexpr size_t music_frames_per_beat = static_cast<size_t>(sample_rate) * 60 / music_bpm;
constexpr size_t music_frames_per_bar = music_frames_per_beat * music_beats_per_bar;
static_assert(static_cast<size_t>(sample_rate) * 60 % music_bpm == 0, "a beat must be a whole number of frames");
static_assert(music_frames_per_beat % 2 == 0, "an eighth note must be a whole number of frames");

// Stereo, exactly `music_bars` bars long, peak at -1 dBFS before the mix sets
// its loudness (sounds.cpp). Notes and reverb
// that ring past the last bar are folded back onto the start, so the file
// loops without a seam.
Audio make_music();

}  // namespace snd
