#pragma once

// Loudness after EBU R128, measured with libebur128 the way the game plays a
// sound: the mixer sends a mono effect to both speakers, so one channel
// counts as dual mono (3 LU above the same samples on a single speaker).

#include "sound_synth.h"

namespace snd {

// No sound's true peak may pass this, in dBTP.
constexpr double true_peak_ceiling = -1.0;

// R128 integrates over gated 400 ms blocks; a sound shorter than one block
// has none and is measured over its whole length instead (the mean square of
// the K-weighted signal over all its frames).
constexpr double gating_block_seconds = 0.4;

struct Loudness {
    double lufs = 0.0;        // -inf for silence
    double true_peak = 0.0;   // dBTP, the highest channel
    bool whole_length = false;  // measured over the whole length, not gated blocks
};

Loudness measure_loudness(const Audio& a);

// Scales `a` to `target_lufs`, or less if that would lift the true peak over
// the ceiling. The gain is rounded to a hundredth of a dB, so a difference in
// the last digits of the measure cannot change the bytes. Silence is left
// alone. Returns the loudness after scaling.
Loudness set_loudness(Audio& a, double target_lufs);

}  // namespace snd
