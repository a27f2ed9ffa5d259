#pragma once

#include "sound_synth.h"

namespace snd {

// The game's short effects, each finished: DC removed, ends faded to silence
// and peak at -1 dBFS, before the mix sets its loudness (sounds.cpp). All at
// `sample_rate`.
Audio make_button();        // soft click-pop for every button (mono)
Audio make_banka();         // picking a paint tube: a juicy squish-bloop (mono)
Audio make_scena();         // painting a region: a bright plink with a splash (mono)
Audio make_finish();        // the picture is done: arpeggio, chord and sparkles (stereo)
Audio make_scena_false();   // a wrong click: a soft, low, sinking "boop" (mono)
Audio make_camera();        // a picture saved: a soft shutter, two quick clicks (mono)

}  // namespace snd
