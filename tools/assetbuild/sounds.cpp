#include "sounds.h"

#include <cstdio>

#include "res/pack.h"
#include "sound_effects.h"
#include "sound_music.h"
#include "sound_wav.h"

std::vector<WavFile> build_effect_wavs() {
    return {
        {"button.wav", snd::encode_wav(snd::make_button())},
        {"banka.wav", snd::encode_wav(snd::make_banka())},
        {"scena.wav", snd::encode_wav(snd::make_scena())},
        {"finish.wav", snd::encode_wav(snd::make_finish())},
        {"scena_false.wav", snd::encode_wav(snd::make_scena_false())},
    };
}

WavFile build_music_wav() { return {"music.wav", snd::encode_wav(snd::make_music())}; }

namespace {

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

bool build_sound_archives(const std::string& outdir) {
    std::vector<WavFile> effects = build_effect_wavs();
    if (!write_archive(outdir + "sound.pak", effects)) return false;
    std::vector<WavFile> music{build_music_wav()};
    return write_archive(outdir + "music.pak", music);
}
