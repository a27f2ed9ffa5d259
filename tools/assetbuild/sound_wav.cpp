#include "sound_wav.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace snd {

namespace {

void put16(std::vector<unsigned char>& out, uint32_t v) {
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}

void put32(std::vector<unsigned char>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void tag(std::vector<unsigned char>& out, const char* four) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(four[i]));
}

}  // namespace

std::vector<unsigned char> encode_wav(const Audio& a) {
    const uint32_t channels = static_cast<uint32_t>(a.channels());
    const uint32_t block = channels * 2;
    const uint32_t data_bytes = static_cast<uint32_t>(a.frames()) * block;

    std::vector<unsigned char> out;
    out.reserve(44 + data_bytes);
    tag(out, "RIFF");
    put32(out, 36 + data_bytes);
    tag(out, "WAVE");
    tag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);  // integer PCM
    put16(out, channels);
    put32(out, sample_rate);
    put32(out, sample_rate * block);
    put16(out, block);
    put16(out, 16);
    tag(out, "data");
    put32(out, data_bytes);
    for (size_t i = 0; i < a.frames(); ++i) {
        for (const std::vector<float>& c : a.ch) {
            const double s = std::clamp(static_cast<double>(c[i]), -1.0, 1.0);
            const long v = std::lround(s * 32767.0);
            put16(out, static_cast<uint32_t>(static_cast<int16_t>(v)) & 0xFFFF);
        }
    }
    return out;
}

}  // namespace snd
