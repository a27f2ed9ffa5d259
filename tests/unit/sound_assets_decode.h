#pragma once

// Reads generated WAV bytes back the way the game does (SDL's WAV loader)
// and offers the few measurements the sound tests need.

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

struct DecodedWav {
    bool loaded = false;
    int freq = 0;
    int format = 0;
    int channels = 0;
    std::vector<int16_t> samples;  // interleaved

    size_t frames() const { return channels > 0 ? samples.size() / static_cast<size_t>(channels) : 0; }
    int16_t at(size_t frame, int channel) const { return samples[frame * static_cast<size_t>(channels) + static_cast<size_t>(channel)]; }
    double seconds() const { return freq > 0 ? static_cast<double>(frames()) / freq : 0.0; }

    // One channel as floats in -1..1.
    std::vector<double> channel(int c) const {
        std::vector<double> out(frames());
        for (size_t i = 0; i < out.size(); ++i) out[i] = at(i, c) / 32768.0;
        return out;
    }
};

inline DecodedWav decode_wav(const std::vector<unsigned char>& bytes) {
    DecodedWav w;
    SDL_AudioSpec got;
    std::memset(&got, 0, sizeof got);
    Uint8* buf = nullptr;
    Uint32 len = 0;
    SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (!rw || !SDL_LoadWAV_RW(rw, 1, &got, &buf, &len)) return w;
    w.loaded = true;
    w.freq = got.freq;
    w.format = got.format;
    w.channels = got.channels;
    if (got.format == AUDIO_S16LSB) {
        w.samples.resize(len / 2);
        for (size_t i = 0; i < w.samples.size(); ++i)
            w.samples[i] = static_cast<int16_t>(static_cast<uint16_t>(buf[2 * i] | (buf[2 * i + 1] << 8)));
    }
    SDL_FreeWAV(buf);
    return w;
}

inline double peak_dbfs(const DecodedWav& w) {
    int peak = 0;
    for (int16_t s : w.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak > 0 ? 20.0 * std::log10(peak / 32768.0) : -200.0;
}

inline double mean(const std::vector<double>& x) {
    double sum = 0.0;
    for (double v : x) sum += v;
    return x.empty() ? 0.0 : sum / static_cast<double>(x.size());
}

inline double max_abs(const std::vector<double>& x, size_t from, size_t to) {
    double m = 0.0;
    for (size_t i = from; i < to && i < x.size(); ++i) m = std::max(m, std::fabs(x[i]));
    return m;
}
