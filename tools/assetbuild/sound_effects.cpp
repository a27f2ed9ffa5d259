#include "sound_effects.h"

#include <algorithm>
#include <cmath>

namespace snd {

namespace {

size_t at_time(double seconds) { return static_cast<size_t>(std::lround(seconds * sample_rate)); }

Audio blank(int channels, double seconds) { return Audio(channels, at_time(seconds)); }

// Common last steps: no DC, a short fade so a reverb tail cut by the end of
// the buffer still ends in silence, then the peak level.
Audio finish(Audio a) {
    remove_dc(a);
    fade_edges(a, 0.004);
    const size_t n = a.frames();
    const size_t tail = std::min(n / 4, at_time(0.06));
    for (std::vector<float>& c : a.ch)
        for (size_t i = 0; i < tail; ++i)
            c[n - tail + i] *= static_cast<float>(1.0 - smooth_edge(static_cast<double>(i) / static_cast<double>(tail)));
    normalise(a);
    return a;
}

void add_reverb(Audio& a, double room, double damp, double wet) {
    Reverb r(room, damp);
    r.apply(a, a, wet);
}

}  // namespace

Audio make_button() {
    Audio a = blank(1, 0.13);
    const Target out = Target::at(a);

    // A tiny bubble popping: the pitch drops fast while it dies away.
    Voice pop;
    pop.freq = 950.0;
    pop.glide_to = 430.0;
    pop.glide_time = 0.018;
    pop.attack = 0.006;
    pop.decay = 0.03;
    pop.hold = 0.07;
    pop.release = 0.04;
    pop.partials = {{1.0, 1.0, 0.0}, {2.0, 0.12, 0.012}};
    render(pop, out, 0);

    // Soft body under it, so the click has some warmth.
    Voice body;
    body.freq = 240.0;
    body.amp = 0.35;
    body.attack = 0.006;
    body.decay = 0.025;
    body.hold = 0.05;
    body.release = 0.03;
    render(body, out, 0);

    // The tick of the press itself.
    Rng rng(0xB0770Bu);
    Noise tick;
    tick.amp = 0.5;
    tick.attack = 0.005;
    tick.decay = 0.007;
    tick.hold = 0.012;
    tick.release = 0.01;
    tick.centre = 2600.0;
    tick.q = 0.9;
    render(tick, rng, out, 0);

    lowpass(a, 6000.0);
    return finish(a);
}

Audio make_banka() {
    Audio a = blank(1, 0.42);
    const Target out = Target::at(a);

    // Two rising bloops, the second smaller and higher: paint gulping up.
    Voice bloop;
    bloop.freq = 240.0;
    bloop.glide_to = 700.0;
    bloop.glide_time = 0.07;
    bloop.attack = 0.008;
    bloop.decay = 0.09;
    bloop.hold = 0.17;
    bloop.release = 0.05;
    bloop.partials = {{1.0, 1.0, 0.0}, {2.0, 0.22, 0.05}, {3.0, 0.06, 0.03}};
    render(bloop, out, 0);

    Voice second = bloop;
    second.freq = 420.0;
    second.glide_to = 1050.0;
    second.glide_time = 0.05;
    second.amp = 0.55;
    second.hold = 0.12;
    render(second, out, at_time(0.085));

    // The squish: wet band-passed noise whose colour rises with the bloop.
    Rng rng(0xBA7CAu);
    Noise squish;
    squish.amp = 0.9;
    squish.attack = 0.012;
    squish.decay = 0.05;
    squish.hold = 0.13;
    squish.release = 0.04;
    squish.centre = 700.0;
    squish.centre_end = 2400.0;
    squish.q = 2.5;
    render(squish, rng, out, 0);

    lowpass(a, 5000.0);
    add_reverb(a, 0.7, 0.45, 0.12);
    return finish(a);
}

Audio make_scena() {
    Audio a = blank(1, 0.85);
    const Target out = Target::at(a);

    // "Pl-": a water drop, pitch shooting up.
    Voice drop;
    drop.freq = 1000.0;
    drop.glide_to = 2500.0;
    drop.glide_time = 0.014;
    drop.amp = 0.45;
    drop.attack = 0.006;
    drop.decay = 0.02;
    drop.hold = 0.04;
    drop.release = 0.02;
    render(drop, out, 0);

    // "-ink": two bright bell notes a fifth apart (E6, B6).
    Voice bell;
    bell.freq = midi_freq(88);
    bell.attack = 0.006;
    bell.hold = 0.42;
    bell.release = 0.12;
    bell.partials = {{1.0, 1.0, 0.22}, {2.0, 0.28, 0.07}, {3.0, 0.12, 0.03}};
    render(bell, out, at_time(0.02));
    bell.freq = midi_freq(95);
    bell.amp = 0.6;
    render(bell, out, at_time(0.075));

    // A light splash of bright noise.
    Rng rng(0x5C3A4u);
    Noise splash;
    splash.amp = 0.35;
    splash.attack = 0.006;
    splash.decay = 0.05;
    splash.hold = 0.14;
    splash.release = 0.05;
    splash.centre = 4200.0;
    splash.centre_end = 2500.0;
    splash.q = 0.7;
    splash.highpass_mix = 0.5;
    render(splash, rng, out, at_time(0.01));

    add_reverb(a, 0.78, 0.35, 0.3);
    return finish(a);
}

Audio make_finish() {
    Audio a = blank(2, 2.6);

    // Rising arpeggio C5 E5 G5 C6 E6, sweeping from left to right.
    Voice mallet;
    mallet.attack = 0.006;
    mallet.hold = 0.9;
    mallet.release = 0.25;
    mallet.partials = {{1.0, 1.0, 0.55}, {2.0, 0.25, 0.25}, {3.0, 0.1, 0.1}, {4.0, 0.06, 0.06}};
    const int arpeggio[5] = {72, 76, 79, 84, 88};
    for (int i = 0; i < 5; ++i) {
        mallet.freq = midi_freq(arpeggio[i]);
        mallet.amp = 0.7 + 0.06 * i;
        render(mallet, Target::at(a, -0.5 + 0.25 * i), at_time(0.09 * i));
    }

    // "Ta-da": a warm held C major chord with a little vibrato.
    Voice chord;
    chord.attack = 0.03;
    chord.decay = 0.45;
    chord.sustain = 0.35;
    chord.hold = 1.15;
    chord.release = 0.55;
    chord.vibrato_rate = 5.5;
    chord.vibrato_depth = 0.0035;
    chord.partials = {{1.0, 1.0, 0.0}, {2.0, 0.3, 0.0}, {3.0, 0.12, 0.0}, {4.0, 0.05, 0.0}};
    const int notes[4] = {60, 72, 76, 79};
    const double pans[4] = {0.0, -0.3, 0.3, 0.0};
    for (int i = 0; i < 4; ++i) {
        chord.freq = midi_freq(notes[i]);
        chord.amp = i == 0 ? 0.35 : 0.3;
        render(chord, Target::at(a, pans[i]), at_time(0.45));
    }

    // Sparkles: high pentatonic pings scattered across the stereo field,
    // thinning out as the chord fades.
    Rng rng(0xF1415Eu);
    const int sparkle_notes[6] = {96, 98, 100, 103, 105, 108};
    Voice ping;
    ping.attack = 0.006;
    ping.hold = 0.3;
    ping.release = 0.1;
    ping.partials = {{1.0, 1.0, 0.09}, {2.76, 0.18, 0.025}};
    double t = 0.4;
    while (t < 1.9) {
        ping.freq = midi_freq(sparkle_notes[rng.next() % 6]);
        ping.amp = rng.range(0.12, 0.25) * (1.0 - 0.35 * (t - 0.4));
        render(ping, Target::at(a, rng.range(-0.85, 0.85)), at_time(t));
        t += rng.range(0.04, 0.09) * (1.0 + (t - 0.4));
    }

    add_reverb(a, 0.82, 0.3, 0.35);
    return finish(a);
}

Audio make_scena_false() {
    // Under half a second: R128 then integrates over one block, the whole
    // boop, rather than weighing its quiet end more than its onset.
    Audio a = blank(1, 0.48);
    const Target out = Target::at(a);

    // "Boop": one round, low note that sinks a fifth (E4 to A3) as it dies
    // away, like a soft bubble bumping into glass. No second note, no held
    // hum: nothing that sounds like a buzzer. The overtones fade first, so
    // the onset has a little shape and the rest is a near-pure tone.
    Voice boop;
    boop.freq = midi_freq(64);
    boop.glide_to = midi_freq(57);
    boop.glide_time = 0.09;
    boop.attack = 0.018;
    boop.decay = 0.16;
    boop.hold = 0.28;
    boop.release = 0.14;
    boop.partials = {{1.0, 1.0, 0.0}, {2.0, 0.16, 0.08}, {3.0, 0.04, 0.04}};
    render(boop, out, 0);

    lowpass(a, 1200.0);
    add_reverb(a, 0.72, 0.55, 0.06);
    return finish(a);
}

namespace {

// One click of the shutter: the tick of a small blade, a dull knock of the
// body under it, and a faint ring of metal.
void shutter_click(const Target& out, size_t at, uint32_t seed, double tick_centre, double knock_freq, double level) {
    Rng rng(seed);
    Noise tick;
    tick.amp = 0.9 * level;
    tick.attack = 0.002;
    tick.decay = 0.006;
    tick.hold = 0.012;
    tick.release = 0.008;
    tick.centre = tick_centre;
    tick.q = 1.4;
    render(tick, rng, out, at);

    Voice knock;
    knock.freq = knock_freq;
    knock.glide_to = knock_freq * 0.7;
    knock.glide_time = 0.015;
    knock.amp = 0.45 * level;
    knock.attack = 0.003;
    knock.decay = 0.012;
    knock.hold = 0.03;
    knock.release = 0.015;
    render(knock, out, at);

    Voice ring;
    ring.freq = tick_centre * 1.3;
    ring.amp = 0.1 * level;
    ring.attack = 0.002;
    ring.decay = 0.012;
    ring.hold = 0.035;
    ring.release = 0.015;
    ring.partials = {{1.0, 1.0, 0.0}, {2.41, 0.4, 0.006}};
    render(ring, out, at);
}

}  // namespace

Audio make_camera() {
    // The blades open and close: two clicks 95 ms apart, the second lower
    // and a little softer, all in a quarter of a second.
    Audio a = blank(1, 0.25);
    const Target out = Target::at(a);
    shutter_click(out, at_time(0.004), 0xC1A55u, 3400.0, 210.0, 1.0);
    shutter_click(out, at_time(0.099), 0x5407Eu, 2500.0, 160.0, 0.8);
    lowpass(a, 7000.0);
    add_reverb(a, 0.6, 0.5, 0.06);
    return finish(a);
}

}  // namespace snd
