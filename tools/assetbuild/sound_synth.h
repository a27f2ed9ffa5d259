#pragma once

// The small synthesiser behind the game's sound effects and music: voices
// built from sine partials under an envelope, filtered noise, a plate-like
// reverb and the finishing steps (DC removal, peak normalisation).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace snd {

constexpr int sample_rate = 22050;

// Finished sounds peak at -1 dBFS.
constexpr double peak_level = 0.89125093813374556;

// Shortest rise and fall any voice gets, so nothing starts or stops with a click.
constexpr double min_edge = 0.006;

// Audio held as one float buffer per channel (nominal range -1..1).
struct Audio {
    std::vector<std::vector<float>> ch;

    Audio(int channels, size_t frames);
    int channels() const { return static_cast<int>(ch.size()); }
    size_t frames() const { return ch.empty() ? 0 : ch[0].size(); }
};

// xorshift32: every build of the archives yields the same bytes.
class Rng {
public:
    explicit Rng(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
    uint32_t next();
    double uniform();                     // [0, 1)
    double range(double lo, double hi);   // [lo, hi)
    double bipolar() { return range(-1.0, 1.0); }

private:
    uint32_t state_;
};

// Where a voice lands: one buffer (mono) or both channels with pan gains.
struct Target {
    Audio* audio;
    float gain_l;
    float gain_r;

    // pan -1 (left) .. 1 (right), constant power; on a mono buffer only the
    // overall gain counts.
    static Target at(Audio& audio, double pan = 0.0, double gain = 1.0);
    void add(size_t frame, float v) const;
};

// One sine component of a voice. `decay` is its own exponential time constant
// in seconds (0 = it lasts as long as the voice).
struct Partial {
    double ratio;
    double amp;
    double decay;
};

// A pitched note: partials over a rise / decay-to-sustain / hold / fall
// envelope, with an optional pitch glide and vibrato.
struct Voice {
    double freq = 440.0;
    double amp = 1.0;
    double attack = 0.01;      // raised-cosine rise, seconds
    double decay = 0.0;        // time constant of the fall towards `sustain`; 0 = none
    double sustain = 0.0;      // level the decay settles at (0..1)
    double hold = 0.5;         // seconds from note-on to the start of the release
    double release = 0.05;     // raised-cosine fall, seconds
    double glide_to = 0.0;     // Hz the pitch moves towards; 0 = steady pitch
    double glide_time = 0.05;  // time constant of the glide
    double vibrato_rate = 0.0;
    double vibrato_depth = 0.0;  // fraction of the frequency
    std::vector<Partial> partials{{1.0, 1.0, 0.0}};
};

// Adds the voice into `to`, starting at frame `start`. Partials at or above
// 45 % of the sample rate are left out.
void render(const Voice& v, const Target& to, size_t start);

// Band-passed noise burst: the same envelope as a voice, and a filter centre
// that slides from `centre` to `centre_end` (0 = fixed).
struct Noise {
    double amp = 1.0;
    double attack = 0.005;
    double decay = 0.05;
    double hold = 0.1;
    double release = 0.02;
    double centre = 2000.0;
    double centre_end = 0.0;
    double q = 1.0;
    double highpass_mix = 0.0;  // 0 = pure band-pass, 1 = pure high-pass
};

void render(const Noise& n, Rng& rng, const Target& to, size_t start);

// Rise/fall shape shared by every envelope: 0 -> 1 as x goes 0 -> 1.
double smooth_edge(double x);

// Envelope value at time t (seconds) for the given shape.
double envelope(double t, double attack, double decay, double sustain, double hold, double release);

// State-variable filter (topology-preserving form, stable under modulation).
class Svf {
public:
    void set(double freq, double q);
    // Returns the low-pass output; band-pass and high-pass are kept alongside.
    float process(float x);
    float band() const { return bp_; }
    float high() const { return hp_; }

private:
    double g_ = 0.0, k_ = 1.0, a1_ = 0.0, a2_ = 0.0, a3_ = 0.0;
    double ic1_ = 0.0, ic2_ = 0.0;
    float bp_ = 0.0f, hp_ = 0.0f;
};

// Gentle one-pole low-pass over a whole buffer.
void lowpass(Audio& a, double cutoff);

// Schroeder/Moorer reverb: eight damped combs and four all-passes per side,
// the right side with slightly longer delays for width. Mono in, stereo out.
class Reverb {
public:
    // room: comb feedback (0.7 .. 0.9); damp: high-frequency loss (0 .. 1).
    Reverb(double room, double damp);
    // Adds `wet` times the reverberated mix of `in` into `out` (which may be
    // the same buffer). A mono `out` receives the left side only.
    void apply(const Audio& in, Audio& out, double wet);

private:
    struct Comb {
        std::vector<float> buf;
        size_t pos = 0;
        float store = 0.0f;
    };
    struct Allpass {
        std::vector<float> buf;
        size_t pos = 0;
    };
    float comb_step(Comb& c, float x);
    static float allpass_step(Allpass& a, float x);

    double room_;
    double damp_;
    Comb combs_[2][8];
    Allpass allpasses_[2][4];
};

// Peak absolute sample over all channels.
double peak(const Audio& a);
// Scales so that the peak sits at `level`. A silent buffer is left alone.
void normalise(Audio& a, double level = peak_level);
// One-pole high-pass at about 12 Hz, per channel.
void remove_dc(Audio& a);
// Subtracts each channel's mean (keeps a loop seamless, unlike a filter).
void subtract_mean(Audio& a);
// Raised-cosine fade over the first and last `seconds`.
void fade_edges(Audio& a, double seconds);

// Equal-tempered frequency of a MIDI note number (69 = A4 = 440 Hz).
double midi_freq(double note);

}  // namespace snd
