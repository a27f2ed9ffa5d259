#include "sounds.h"

#include <cstdio>

#include "res/pack.h"
#include "sound_effects.h"
#include "sound_loudness.h"
#include "sound_music.h"
#include "sound_wav.h"

namespace {

// The mix, set by purpose in integrated loudness (LUFS; see sound_loudness.h
// for the sounds too short to integrate). Finishing a picture is the loudest
// moment; a right click sits with the interface clicks (and the camera's
// shutter) just under it; a wrong click is the softest effect, so it never sounds like a scolding; the
// music, which plays for hours, lies under everything (and the game's mixer
// lowers it a further 10.6 dB).
struct Mixed {
    const char* name;
    snd::Audio (*make)();
    double lufs;
};

const Mixed effects_mix[] = {
    {"button.wav", snd::make_button, -20.5},
    {"banka.wav", snd::make_banka, -20.5},
    {"scena.wav", snd::make_scena, -20.0},
    {"finish.wav", snd::make_finish, -16.0},
    {"scena_false.wav", snd::make_scena_false, -23.0},
    {"camera.wav", snd::make_camera, -20.5},
};
const Mixed music_mix = {"music.wav", snd::make_music, -24.0};

WavFile mixed(const Mixed& m) {
    snd::Audio a = m.make();
    snd::set_loudness(a, m.lufs);
    return {m.name, snd::encode_wav(a)};
}

bool write_archive(const std::string& path, std::vector<WavFile>& files) {
    Pack pack;
    for (WavFile& f : files) {
        raw r;
        r.data = f.bytes.data();
        r.size = static_cast<uint32_t>(f.bytes.size());
        if (!pack.pushfile(f.name.c_str(), r)) {
            std::fprintf(stderr, "assetbuild: cannot add %s to %s\n", f.name.c_str(), path.c_str());
            return false;
        }
    }
    if (!pack.save(path.c_str())) {
        std::fprintf(stderr, "assetbuild: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

std::vector<WavFile> build_effect_wavs() {
    std::vector<WavFile> out;
    for (const Mixed& m : effects_mix) out.push_back(mixed(m));
    return out;
}

WavFile build_music_wav() { return mixed(music_mix); }

bool build_sound_archives(const std::string& outdir) {
    std::vector<WavFile> effects = build_effect_wavs();
    if (!write_archive(outdir + "sound.pak", effects)) return false;
    std::vector<WavFile> music{build_music_wav()};
    return write_archive(outdir + "music.pak", music);
}
