#pragma once

#include <cstddef>
#include <vector>

// A PCM WAV file. `samples` are interleaved frame by frame: 0 to 255 for 8-bit
// files, signed values for 16-bit ones.
std::vector<unsigned char> wav_file(int rate, int channels, int bits, const std::vector<int>& samples);

// `frames` frames of 16-bit audio at 22050 Hz, every sample equal to `value`.
std::vector<unsigned char> wav_constant_s16_stereo(int frames, int value);

// Closes the archive in the global media cache whatever its count, so the
// next test opens its own copy.
void wav_close_archive(const char* pak);

// The signed 16-bit sample number `index` of a byte buffer.
int wav_sample(const unsigned char* bytes, size_t index);
