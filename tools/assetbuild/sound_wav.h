#pragma once

#include <vector>

#include "sound_synth.h"

namespace snd {

// A RIFF/WAVE file of 16-bit signed little-endian PCM at `sample_rate`, one
// channel per buffer of `a`. Samples are clamped to -1..1 and rounded.
std::vector<unsigned char> encode_wav(const Audio& a);

}  // namespace snd
