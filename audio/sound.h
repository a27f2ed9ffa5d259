#pragma once

#include <SDL/SDL_audio.h>

#include <cstdint>
#include <string>
#include <vector>

// One voice of the mixer. The samples belong to Sound; a channel only points
// into them. A channel is free when it has played to its end and is not
// music; a zeroed channel is free.
struct Channel {
    Uint8* samples;
    uint32_t position;  // byte offset of the next byte to mix
    uint32_t length;    // bytes
    bool music;         // loops, and is mixed at the music volume
};

constexpr int channel_count = 5;
constexpr int music_volume = 38;

// Shared by play() on the main thread and mixaudio() on the audio thread;
// written only under SDL's audio lock.
extern Channel sounds[channel_count];

// Music and sound effects: the WAV files of "music.pak" and "sound.pak", each
// converted once, at its first play, to 22050 Hz signed 16-bit stereo, and
// mixed on five channels.
class Sound {
public:
    bool failed = false;  // no audio subsystem or device: the game runs silent
    // Parallel tables, one entry per name ever played. A name that is missing
    // from its archive, is not a WAV file or cannot be converted keeps an
    // entry with a null buffer, so it is neither mixed nor read again.
    std::vector<SDL_AudioCVT> converted;
    std::vector<std::string> sound_names;

    Sound();
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // Starts `name` on a free channel: from "music.pak", looping, when
    // `music`, else from "sound.pak". Silently dropped when all channels are
    // busy, when music is asked for while music plays, or when the options
    // forbid it.
    void play(const char* name, bool music);

private:
    int load(const char* name, bool music);

    const class Config* options_;  // the settings whose options the mixer reads

};

// The SDL audio callback: adds every channel into `stream`.
void mixaudio(void* userdata, Uint8* stream, int len);

// Endless action of the main menu: starts the music again when the music
// option is switched on. iparam1 holds the option's value seen last frame.
void play_music_f(void* param);

extern Sound* sound;
