#include "sound_synth.h"

#include <algorithm>
#include <cmath>

namespace snd {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double nyquist_guard = 0.45 * sample_rate;

size_t frames_for(double seconds) {
    return seconds <= 0.0 ? 0 : static_cast<size_t>(std::ceil(seconds * sample_rate));
}

// Adds a mono scratch buffer into the target from `start` on.
void mix_into(const std::vector<float>& tmp, const Target& to, size_t start) {
    for (size_t i = 0; i < tmp.size(); ++i) to.add(start + i, tmp[i]);
}

}  // namespace

Audio::Audio(int channels, size_t frames)
    : ch(static_cast<size_t>(std::max(channels, 1)), std::vector<float>(frames, 0.0f)) {}

uint32_t Rng::next() {
    uint32_t x = state_;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    state_ = x;
    return x;
}

double Rng::uniform() { return static_cast<double>(next() >> 8) / 16777216.0; }

double Rng::range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

Target Target::at(Audio& audio, double pan, double gain) {
    Target t{&audio, static_cast<float>(gain), 0.0f};
    if (audio.channels() >= 2) {
        const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * pi / 4.0;
        t.gain_l = static_cast<float>(gain * std::cos(angle) * std::sqrt(2.0));
        t.gain_r = static_cast<float>(gain * std::sin(angle) * std::sqrt(2.0));
    }
    return t;
}

void Target::add(size_t frame, float v) const {
    if (frame >= audio->frames()) return;
    audio->ch[0][frame] += v * gain_l;
    if (audio->channels() >= 2) audio->ch[1][frame] += v * gain_r;
}

double smooth_edge(double x) {
    if (x <= 0.0) return 0.0;
    if (x >= 1.0) return 1.0;
    return 0.5 - 0.5 * std::cos(pi * x);
}

double envelope(double t, double attack, double decay, double sustain, double hold, double release) {
    if (t < 0.0 || t >= hold + release) return 0.0;
    double e = smooth_edge(t / attack);
    if (decay > 0.0) e *= sustain + (1.0 - sustain) * std::exp(-t / decay);
    if (t > hold) e *= 1.0 - smooth_edge((t - hold) / release);
    return e;
}

void render(const Voice& v, const Target& to, size_t start) {
    const double attack = std::max(v.attack, min_edge);
    const double release = std::max(v.release, min_edge);
    const size_t n = frames_for(v.hold + release);
    if (n == 0) return;

    std::vector<float> env(n);
    for (size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sample_rate;
        env[i] = static_cast<float>(v.amp * envelope(t, attack, v.decay, v.sustain, v.hold, release));
    }

    const bool steady = v.glide_to <= 0.0 && v.vibrato_depth <= 0.0;
    const double top = std::max(v.freq, v.glide_to) * (1.0 + v.vibrato_depth);
    std::vector<float> tmp(n, 0.0f);
    for (const Partial& p : v.partials) {
        if (top * p.ratio >= nyquist_guard) continue;
        const double fall = p.decay > 0.0 ? std::exp(-1.0 / (p.decay * sample_rate)) : 1.0;
        double level = p.amp;
        if (steady) {
            // Rotating phasor: one complex multiply per sample instead of a sine.
            const double w = 2.0 * pi * v.freq * p.ratio / sample_rate;
            const double c = std::cos(w), s = std::sin(w);
            double re = 1.0, im = 0.0;
            for (size_t i = 0; i < n; ++i) {
                tmp[i] += static_cast<float>(im * level) * env[i];
                const double r2 = re * c - im * s;
                im = re * s + im * c;
                re = r2;
                level *= fall;
                if ((i & 1023) == 1023) {
                    const double fix = 1.5 - 0.5 * (re * re + im * im);
                    re *= fix;
                    im *= fix;
                }
            }
        } else {
            double phase = 0.0;
            for (size_t i = 0; i < n; ++i) {
                const double t = static_cast<double>(i) / sample_rate;
                double f = v.freq;
                if (v.glide_to > 0.0) f = v.glide_to + (v.freq - v.glide_to) * std::exp(-t / v.glide_time);
                if (v.vibrato_depth > 0.0) f *= 1.0 + v.vibrato_depth * std::sin(2.0 * pi * v.vibrato_rate * t);
                tmp[i] += static_cast<float>(std::sin(phase) * level) * env[i];
                phase += 2.0 * pi * f * p.ratio / sample_rate;
                if (phase > 2.0 * pi) phase -= 2.0 * pi;
                level *= fall;
            }
        }
    }
    mix_into(tmp, to, start);
}

void render(const Noise& nz, Rng& rng, const Target& to, size_t start) {
    const double attack = std::max(nz.attack, min_edge);
    const double release = std::max(nz.release, min_edge);
    const double length = nz.hold + release;
    const size_t n = frames_for(length);
    if (n == 0) return;

    std::vector<float> tmp(n);
    Svf filter;
    for (size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sample_rate;
        if ((i & 15) == 0) {
            double centre = nz.centre;
            if (nz.centre_end > 0.0) centre = nz.centre * std::pow(nz.centre_end / nz.centre, t / length);
            filter.set(centre, nz.q);
        }
        filter.process(static_cast<float>(rng.bipolar()));
        const double shaped = (1.0 - nz.highpass_mix) * filter.band() + nz.highpass_mix * filter.high();
        tmp[i] = static_cast<float>(shaped * nz.amp * envelope(t, attack, nz.decay, 0.0, nz.hold, release));
    }
    mix_into(tmp, to, start);
}

void Svf::set(double freq, double q) {
    const double f = std::clamp(freq, 10.0, nyquist_guard);
    g_ = std::tan(pi * f / sample_rate);
    k_ = 1.0 / std::max(q, 0.05);
    a1_ = 1.0 / (1.0 + g_ * (g_ + k_));
    a2_ = g_ * a1_;
    a3_ = g_ * a2_;
}

float Svf::process(float x) {
    const double v3 = x - ic2_;
    const double v1 = a1_ * ic1_ + a2_ * v3;
    const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
    ic1_ = 2.0 * v1 - ic1_;
    ic2_ = 2.0 * v2 - ic2_;
    bp_ = static_cast<float>(v1);
    hp_ = static_cast<float>(x - k_ * v1 - v2);
    return static_cast<float>(v2);
}

void lowpass(Audio& a, double cutoff) {
    const double k = 1.0 - std::exp(-2.0 * pi * cutoff / sample_rate);
    for (std::vector<float>& c : a.ch) {
        double y = 0.0;
        for (float& s : c) {
            y += k * (s - y);
            s = static_cast<float>(y);
        }
    }
}

Reverb::Reverb(double room, double damp) : room_(room), damp_(damp) {
    // Delay lengths in frames at 22050 Hz, mutually prime-ish so the echoes
    // do not pile up into a metallic ring.
    static const size_t comb_len[8] = {558, 594, 638, 678, 711, 745, 778, 808};
    static const size_t allpass_len[4] = {278, 220, 170, 112};
    const size_t spread = 11;
    for (size_t side = 0; side < 2; ++side) {
        for (size_t i = 0; i < 8; ++i) combs_[side][i].buf.assign(comb_len[i] + side * spread, 0.0f);
        for (size_t i = 0; i < 4; ++i) allpasses_[side][i].buf.assign(allpass_len[i] + side * spread, 0.0f);
    }
}

float Reverb::comb_step(Comb& c, float x) {
    const float out = c.buf[c.pos];
    c.store = static_cast<float>(out * (1.0 - damp_) + c.store * damp_);
    c.buf[c.pos] = static_cast<float>(x + c.store * room_);
    if (++c.pos == c.buf.size()) c.pos = 0;
    return out;
}

float Reverb::allpass_step(Allpass& a, float x) {
    const float delayed = a.buf[a.pos];
    a.buf[a.pos] = x + delayed * 0.5f;
    if (++a.pos == a.buf.size()) a.pos = 0;
    return delayed - x;
}

void Reverb::apply(const Audio& in, Audio& out, double wet) {
    const size_t n = std::min(in.frames(), out.frames());
    const float gain = static_cast<float>(wet * 0.045);
    const float per_channel = 1.0f / static_cast<float>(in.channels());
    for (size_t i = 0; i < n; ++i) {
        float x = 0.0f;
        for (const std::vector<float>& c : in.ch) x += c[i];
        x *= per_channel;
        for (size_t side = 0; side < 2 && side < out.ch.size(); ++side) {
            float sum = 0.0f;
            for (Comb& c : combs_[side]) sum += comb_step(c, x);
            for (Allpass& a : allpasses_[side]) sum = allpass_step(a, sum);
            out.ch[side][i] += sum * gain;
        }
    }
}

double peak(const Audio& a) {
    double p = 0.0;
    for (const std::vector<float>& c : a.ch)
        for (float s : c) p = std::max(p, static_cast<double>(std::fabs(s)));
    return p;
}

void normalise(Audio& a, double level) {
    const double p = peak(a);
    if (p <= 0.0) return;
    const float k = static_cast<float>(level / p);
    for (std::vector<float>& c : a.ch)
        for (float& s : c) s *= k;
}

void remove_dc(Audio& a) {
    const double r = 1.0 - 2.0 * pi * 12.0 / sample_rate;
    for (std::vector<float>& c : a.ch) {
        double x1 = 0.0, y1 = 0.0;
        for (float& s : c) {
            const double y = s - x1 + r * y1;
            x1 = s;
            y1 = y;
            s = static_cast<float>(y);
        }
    }
}

void subtract_mean(Audio& a) {
    for (std::vector<float>& c : a.ch) {
        if (c.empty()) continue;
        double sum = 0.0;
        for (float s : c) sum += s;
        const float mean = static_cast<float>(sum / static_cast<double>(c.size()));
        for (float& s : c) s -= mean;
    }
}

void fade_edges(Audio& a, double seconds) {
    const size_t n = std::min(frames_for(seconds), a.frames() / 2);
    if (n == 0) return;
    for (std::vector<float>& c : a.ch) {
        const size_t last = c.size() - 1;
        for (size_t i = 0; i < n; ++i) {
            const float k = static_cast<float>(smooth_edge(static_cast<double>(i) / static_cast<double>(n)));
            c[i] *= k;
            c[last - i] *= k;
        }
    }
}

double midi_freq(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

}  // namespace snd
