#include "audio/sound.h"

#include <SDL/SDL.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "res/media.h"
#include "save/config.h"

Sound* sound = nullptr;

namespace {

constexpr int device_rate = 22050;
constexpr Uint16 device_format = AUDIO_S16;
constexpr Uint8 device_channels = 2;

// Converts loaded WAV samples to the device format into a buffer of their own.
// Leaves `out` untouched when no conversion can be built.
bool to_device_format(const SDL_AudioSpec& source, const Uint8* wav, Uint32 length, SDL_AudioCVT& out) {
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, source.format, source.channels, source.freq, device_format, device_channels,
                          device_rate) < 0)
        return false;
    const unsigned long long size = static_cast<unsigned long long>(length) * static_cast<unsigned>(cvt.len_mult);
    if (cvt.len_mult < 1 || size > INT_MAX) return false;
    cvt.buf = new Uint8[size > 0 ? size : 1];
    if (length > 0) std::memcpy(cvt.buf, wav, length);
    cvt.len = static_cast<int>(length);
    if (SDL_ConvertAudio(&cvt) != 0) {
        delete[] cvt.buf;
        return false;
    }
    out = cvt;
    return true;
}

bool is_free(const Channel& c) { return c.position == c.length && !c.music; }

}  // namespace

Sound::Sound() : options_(conf) {
    for (Channel& c : sounds) c = Channel{};
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        failed = true;
        return;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = device_rate;
    wanted.format = device_format;
    wanted.channels = device_channels;
    wanted.samples = 512;
    wanted.callback = mixaudio;
    wanted.userdata = nullptr;
    // No obtained format is asked for: SDL converts from ours to the hardware's.
    if (SDL_OpenAudio(&wanted, nullptr) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        failed = true;
        return;
    }
    SDL_PauseAudio(0);
}

Sound::~Sound() {
    if (failed) return;
    // The mixer's thread has been reading the options of the settings seen
    // at opening, without a lock: they must outlive the device. Freed first,
    // the thread could read freed memory at any moment, so this is never let
    // pass quietly.
    if (options_ != nullptr && conf != options_) {
        std::fprintf(stderr, "pintabo: the settings went away while the mixer still read them\n");
        std::abort();
    }
    SDL_CloseAudio();
    for (SDL_AudioCVT& cvt : converted) delete[] cvt.buf;
    for (Channel& c : sounds) c = Channel{};
}

// Reads and converts `name` on the main thread. The archive reference taken
// here is kept: the sound archives stay open until exit.
int Sound::load(const char* name, bool music) {
    SDL_AudioCVT cvt{};
    const raw file = media.get(music ? "music.pak" : "sound.pak", name);
    if (file.data != nullptr && file.size <= INT_MAX) {
        SDL_RWops* stream = SDL_RWFromMem(file.data, static_cast<int>(file.size));
        SDL_AudioSpec source;
        Uint8* wav = nullptr;
        Uint32 length = 0;
        if (stream != nullptr && SDL_LoadWAV_RW(stream, 1, &source, &wav, &length) != nullptr) {
            to_device_format(source, wav, length, cvt);
            SDL_FreeWAV(wav);
        }
    }
    sound_names.push_back(name);
    converted.push_back(cvt);
    return static_cast<int>(converted.size()) - 1;
}

void Sound::play(const char* name, bool music) {
    const bool sound_on = conf != nullptr && conf->sound_on;
    const bool music_on = conf != nullptr && conf->music_on;
    // Music starts when either option is on; the mixer silences it at once
    // when music is off.
    if (!sound_on && !(music && music_on)) return;
    if (failed) return;
    // One music at a time: a second start would play the tune twice over.
    if (music)
        for (const Channel& c : sounds)
            if (c.music) return;
    int channel = -1;
    for (int i = 0; i < channel_count && channel < 0; ++i)
        if (is_free(sounds[i])) channel = i;
    if (channel < 0) return;

    int index = -1;
    for (size_t i = 0; i < sound_names.size() && index < 0; ++i)
        if (sound_names[i] == name) index = static_cast<int>(i);
    if (index < 0) index = load(name, music);
    const SDL_AudioCVT& cvt = converted[static_cast<size_t>(index)];
    if (cvt.buf == nullptr) return;

    SDL_LockAudio();
    sounds[channel] = Channel{cvt.buf, 0, static_cast<uint32_t>(cvt.len_cvt), music};
    SDL_UnlockAudio();
}
