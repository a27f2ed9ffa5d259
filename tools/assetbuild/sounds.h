#pragma once

#include <string>
#include <vector>

// One WAV file ready to go into an archive.
struct WavFile {
    std::string name;
    std::vector<unsigned char> bytes;
};

// The six effects of "sound.pak", in archive order.
std::vector<WavFile> build_effect_wavs();
// "music.wav" of "music.pak".
WavFile build_music_wav();

// Writes outdir + "sound.pak" and outdir + "music.pak" (outdir ends with a
// slash). Returns false, after a message on standard error, when an archive
// cannot be written.
bool build_sound_archives(const std::string& outdir);
