#include "support/wav_files.h"

#include <cstdint>

#include "res/media.h"

namespace {

void put(std::vector<unsigned char>& out, uint32_t v, int width) {
    for (int i = 0; i < width; ++i) out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

void tag(std::vector<unsigned char>& out, const char* four) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(four[i]));
}

}  // namespace

std::vector<unsigned char> wav_file(int rate, int channels, int bits, const std::vector<int>& samples) {
    const uint32_t bytes_per_sample = static_cast<uint32_t>(bits / 8);
    const uint32_t data_size = static_cast<uint32_t>(samples.size()) * bytes_per_sample;
    std::vector<unsigned char> out;
    out.reserve(44 + data_size);
    tag(out, "RIFF");
    put(out, 36 + data_size, 4);
    tag(out, "WAVE");
    tag(out, "fmt ");
    put(out, 16, 4);
    put(out, 1, 2);  // PCM
    put(out, static_cast<uint32_t>(channels), 2);
    put(out, static_cast<uint32_t>(rate), 4);
    put(out, static_cast<uint32_t>(rate * channels) * bytes_per_sample, 4);
    put(out, static_cast<uint32_t>(channels) * bytes_per_sample, 2);
    put(out, static_cast<uint32_t>(bits), 2);
    tag(out, "data");
    put(out, data_size, 4);
    for (int s : samples) put(out, static_cast<uint32_t>(s), static_cast<int>(bytes_per_sample));
    return out;
}

std::vector<unsigned char> wav_constant_s16_stereo(int frames, int value) {
    return wav_file(22050, 2, 16, std::vector<int>(static_cast<size_t>(frames) * 2, value));
}


void wav_close_archive(const char* pak) {
    for (size_t i = 0; i < media.pack_names.size(); ++i) {
        if (media.pack_names[i] != pak) continue;
        while (media.pack_refs[i] > 1) media.pack_refs[i] -= 1;
        media.unget(pak);
        return;
    }
}

int wav_sample(const unsigned char* bytes, size_t index) {
    return static_cast<int16_t>(static_cast<uint16_t>(bytes[2 * index] | (bytes[2 * index + 1] << 8)));
}
