#include <SDL/SDL_audio.h>

#include <algorithm>

#include "anim/action.h"
#include "audio/sound.h"
#include "save/config.h"

Channel sounds[channel_count];

// Runs on SDL's audio thread, which has already filled `stream` with silence.
// It only adds samples: no allocation, no conversion.
void mixaudio(void*, Uint8* stream, int len) {
    if (len <= 0) return;
    const bool music_on = conf != nullptr && conf->music_on;
    for (Channel& c : sounds) {
        if (c.music) {
            // The next pass of the loop starts in the buffer after the one
            // that ended the previous pass.
            if (c.position >= c.length) c.position = 0;
            if (!music_on) {
                c.music = false;
                c.position = c.length;
            }
        }
        const uint32_t left = c.position < c.length ? c.length - c.position : 0;
        const uint32_t amount = std::min(left, static_cast<uint32_t>(len));
        if (amount == 0) continue;
        SDL_MixAudio(stream, c.samples + c.position, amount, c.music ? music_volume : SDL_MIX_MAXVOLUME);
        c.position += amount;
    }
}

void play_music_f(void*) {
    Action* a = Action_curent;
    if (a == nullptr || conf == nullptr) return;
    if (conf->music_on && a->iparam1 == 0 && sound != nullptr) sound->play("music.wav", true);
    a->iparam1 = conf->music_on ? 1 : 0;
}
