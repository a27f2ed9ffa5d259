#include "sound_music.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace snd {

namespace {

// One bar of the score: its chords (split evenly over the bar) and its tune,
// written as note:eighths, "r" for a rest.
struct Bar {
    const char* chords;
    const char* melody;
};

// Form A A' B A'': the opening theme, the theme again with a little more
// going on, a calmer middle and the theme once more, whose last bar turns
// back to the beginning.
const Bar score[music_bars] = {
    // A
    {"C", "C5:2 E5:2 G5:3 E5:1"},
    {"Am", "A5:2 G5:2 E5:4"},
    {"F", "F5:2 A5:2 G5:2 F5:2"},
    {"G", "E5:2 D5:2 D5:4"},
    {"C", "C5:2 E5:2 G5:3 E5:1"},
    {"Am", "A5:2 C6:2 B5:2 A5:2"},
    {"Dm G", "F5:2 A5:2 G5:2 B4:2"},
    {"C", "C5:6 r:2"},
    // A'
    {"C", "C5:1 D5:1 E5:2 G5:3 E5:1"},
    {"Am", "A5:2 G5:2 E5:2 C5:2"},
    {"F", "F5:2 A5:2 C6:2 A5:2"},
    {"G", "G5:3 F5:1 D5:4"},
    {"C", "E5:2 G5:2 C6:3 B5:1"},
    {"Am", "A5:2 E5:2 A5:2 C6:2"},
    {"Dm G", "A5:2 F5:2 G5:2 D5:2"},
    {"C", "E5:2 D5:2 C5:4"},
    // B
    {"F", "F5:3 G5:1 A5:4"},
    {"G", "G5:3 A5:1 B5:4"},
    {"Em", "B5:2 A5:2 G5:4"},
    {"Am", "C6:2 B5:2 A5:4"},
    {"Dm", "F5:3 E5:1 D5:4"},
    {"G", "G5:3 F5:1 E5:2 D5:2"},
    {"C Am", "E5:2 G5:2 A5:2 C6:2"},
    {"Dm G", "A5:2 F5:2 D5:2 B4:2"},
    // A''
    {"C", "C5:2 E5:2 G5:3 E5:1"},
    {"Am", "A5:2 G5:2 E5:4"},
    {"F", "F5:2 A5:2 G5:2 F5:2"},
    {"G", "E5:2 D5:2 D5:4"},
    {"C", "C5:2 E5:2 G5:3 E5:1"},
    {"Am", "A5:2 C6:2 B5:2 A5:2"},
    {"F G", "A5:2 F5:2 G5:2 B5:2"},
    {"C G7", "C6:4 D5:2 B4:2"},
};

constexpr int eighths_per_bar = music_beats_per_bar * 2;
constexpr size_t frames_per_eighth = music_frames_per_beat / 2;
constexpr double eighth_seconds = static_cast<double>(frames_per_eighth) / sample_rate;
// Room after the last bar for ringing notes and reverb; folded back at the end.
constexpr double tail_seconds = 5.0;

enum Section { section_a, section_a2, section_b, section_a3 };

Section section_of(int bar) { return static_cast<Section>(bar / 8); }

int pitch_class(char letter) {
    static const int classes[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    return classes[letter - 'A'];
}

// "C#5" -> 73; "r" -> -1.
int parse_note(const std::string& s) {
    if (s.empty() || s[0] == 'r') return -1;
    int note = pitch_class(s[0]);
    size_t i = 1;
    if (i < s.size() && s[i] == '#') note += 1, ++i;
    if (i < s.size() && s[i] == 'b') note -= 1, ++i;
    return note + (std::atoi(s.c_str() + i) + 1) * 12;
}

struct Chord {
    int root;                // pitch class
    std::vector<int> tones;  // pitch classes, root first
};

// "Am" / "G7" / "F#m".
Chord parse_chord(const std::string& s) {
    Chord c;
    c.root = pitch_class(s[0]);
    size_t i = 1;
    if (i < s.size() && s[i] == '#') c.root += 1, ++i;
    if (i < s.size() && s[i] == 'b') c.root += 11, ++i;
    c.root %= 12;
    const bool minor = i < s.size() && s[i] == 'm';
    const bool seventh = s.find('7') != std::string::npos;
    c.tones = {c.root, (c.root + (minor ? 3 : 4)) % 12, (c.root + 7) % 12};
    if (seventh) c.tones.push_back((c.root + 10) % 12);
    return c;
}

std::vector<std::string> words(const char* text) {
    std::vector<std::string> out;
    std::string w;
    for (const char* p = text;; ++p) {
        if (*p == ' ' || *p == '\0') {
            if (!w.empty()) out.push_back(w);
            w.clear();
            if (*p == '\0') break;
        } else {
            w += *p;
        }
    }
    return out;
}

// The lowest MIDI note of pitch class `pc` at or above `floor`.
int place(int pc, int floor) { return floor + ((pc - floor) % 12 + 12) % 12; }

// A chord's tones laid out upwards from `floor`, each within one octave of it.
std::vector<int> voicing(const Chord& c, int floor) {
    std::vector<int> notes;
    for (int pc : c.tones) notes.push_back(place(pc, floor));
    std::sort(notes.begin(), notes.end());
    return notes;
}

// One chord and the part of the bar it covers.
struct Span {
    Chord chord;
    int first_eighth;
    int eighths;
};

std::vector<Span> spans_of(int bar) {
    const std::vector<std::string> names = words(score[bar].chords);
    std::vector<Span> spans;
    const int each = eighths_per_bar / static_cast<int>(names.size());
    for (size_t i = 0; i < names.size(); ++i) spans.push_back({parse_chord(names[i]), static_cast<int>(i) * each, each});
    return spans;
}

size_t frame_of(int bar, int eighth) {
    return static_cast<size_t>(bar) * music_frames_per_bar + static_cast<size_t>(eighth) * frames_per_eighth;
}

class Arranger {
public:
    explicit Arranger(Audio& out) : out_(out), rng_(0x5EEDC0DEu) {}

    void melody(int bar) {
        int at = 0;
        for (const std::string& w : words(score[bar].melody)) {
            const size_t colon = w.find(':');
            const int note = parse_note(w.substr(0, colon));
            const int length = std::atoi(w.c_str() + colon + 1);
            if (note >= 0) {
                const double accent = at == 0 ? 1.0 : (at % 2 == 0 ? 0.88 : 0.8);
                const double amp = 0.5 * accent * rng_.range(0.94, 1.04);
                marimba(frame_of(bar, at), note, length * eighth_seconds, amp, 0.1);
                // In the middle section a music box doubles the tune an
                // octave up, quietly.
                if (section_of(bar) == section_b) music_box(frame_of(bar, at), note + 12, amp * 0.3, -0.15);
            }
            at += length;
        }
    }

    void bass(int bar) {
        for (const Span& s : spans_of(bar)) {
            const int root = place(s.chord.root, 41);
            const int fifth = root + 7;
            if (section_of(bar) == section_b) {
                // Middle: a gently walking figure.
                if (s.eighths == 8) {
                    bass_note(bar, s.first_eighth, 3, root, 0.42);
                    bass_note(bar, s.first_eighth + 3, 1, root, 0.3);
                    bass_note(bar, s.first_eighth + 4, 2, fifth, 0.36);
                    bass_note(bar, s.first_eighth + 6, 2, root + 12, 0.32);
                } else {
                    bass_note(bar, s.first_eighth, 3, root, 0.42);
                    bass_note(bar, s.first_eighth + 3, 1, fifth, 0.3);
                }
            } else if (s.eighths == 8) {
                bass_note(bar, s.first_eighth, 4, root, 0.42);
                bass_note(bar, s.first_eighth + 4, 4, fifth, 0.36);
            } else {
                bass_note(bar, s.first_eighth, s.eighths, root, 0.42);
            }
        }
    }

    void pad(int bar) {
        for (const Span& s : spans_of(bar)) {
            for (int note : voicing(s.chord, 55)) {
                Voice v;
                v.freq = midi_freq(note);
                v.amp = 0.075;
                v.attack = 0.28;
                v.hold = s.eighths * eighth_seconds;
                v.release = 0.6;
                v.partials = {{1.0, 1.0, 0.0}, {2.0, 0.22, 0.0}, {3.0, 0.07, 0.0}};
                // Two copies a few cents apart, one on each side: a slow chorus.
                const double cents[2] = {-5.0, 5.0};
                for (int side = 0; side < 2; ++side) {
                    Voice copy = v;
                    copy.freq *= std::pow(2.0, cents[side] / 1200.0);
                    render(copy, Target::at(out_, side == 0 ? -0.55 : 0.55), frame_of(bar, s.first_eighth));
                }
            }
        }
    }

    void arpeggio(int bar) {
        static const int up_down[8] = {0, 1, 2, 3, 2, 1, 2, 1};
        for (const Span& s : spans_of(bar)) {
            Chord triad = s.chord;
            triad.tones.resize(3);  // no seventh up here
            std::vector<int> tones = voicing(triad, 79);
            tones.push_back(tones[0] + 12);
            for (int i = 0; i < s.eighths; ++i) {
                const double amp = (i % 2 == 0 ? 0.13 : 0.1) * rng_.range(0.9, 1.05);
                music_box(frame_of(bar, s.first_eighth + i), tones[static_cast<size_t>(up_down[i])], amp,
                          (s.first_eighth + i) % 2 == 0 ? -0.4 : 0.4);
            }
        }
    }

    void shaker(int bar) {
        for (int i = 0; i < eighths_per_bar; ++i) {
            Noise n;
            n.amp = (i % 2 == 1 ? 0.05 : 0.03) * rng_.range(0.85, 1.1);
            n.attack = 0.006;
            n.decay = 0.022;
            n.hold = 0.05;
            n.release = 0.02;
            n.centre = 6500.0;
            n.q = 0.8;
            n.highpass_mix = 0.6;
            render(n, rng_, Target::at(out_, 0.45), frame_of(bar, i));
        }
    }

private:
    void marimba(size_t frame, int note, double seconds, double amp, double pan) {
        Voice v;
        v.freq = midi_freq(note);
        v.amp = amp;
        v.attack = 0.006;
        v.hold = seconds + 0.2;
        v.release = 0.18;
        // The bar's ring shortens as the pitch rises; the fourth-ish overtone
        // gives the mallet knock and dies quickly.
        const double ring = 0.5 * std::sqrt(523.25 / v.freq);
        v.partials = {{1.0, 1.0, ring}, {3.93, 0.28, 0.045}, {9.2, 0.05, 0.012}};
        render(v, Target::at(out_, pan), frame);
    }

    void music_box(size_t frame, int note, double amp, double pan) {
        Voice v;
        v.freq = midi_freq(note);
        v.amp = amp;
        v.attack = 0.006;
        v.hold = 0.45;
        v.release = 0.3;
        v.partials = {{1.0, 1.0, 0.6}, {2.0, 0.2, 0.2}, {5.4, 0.05, 0.03}};
        render(v, Target::at(out_, pan), frame);
    }

    void bass_note(int bar, int eighth, int eighths, int note, double amp) {
        Voice v;
        v.freq = midi_freq(note);
        v.amp = amp * rng_.range(0.95, 1.03);
        v.attack = 0.012;
        v.decay = 0.5;
        v.sustain = 0.45;
        v.hold = eighths * eighth_seconds - 0.04;
        v.release = 0.09;
        v.partials = {{1.0, 1.0, 0.0}, {2.0, 0.35, 0.35}, {3.0, 0.1, 0.15}};
        render(v, Target::at(out_, 0.0), frame_of(bar, eighth));
    }

    Audio& out_;
    Rng rng_;
};

}  // namespace

Audio make_music() {
    const size_t loop = static_cast<size_t>(music_bars) * music_frames_per_bar;
    const size_t tail = static_cast<size_t>(tail_seconds * sample_rate);
    Audio a(2, loop + tail);

    Arranger arr(a);
    for (int bar = 0; bar < music_bars; ++bar) {
        arr.pad(bar);
        arr.bass(bar);
        arr.melody(bar);
        // The returns of the theme get a music-box arpeggio and a shaker;
        // the opening and the middle stay plain.
        const Section s = section_of(bar);
        if (s == section_a2 || s == section_a3) {
            arr.arpeggio(bar);
            arr.shaker(bar);
        }
    }

    Reverb room(0.8, 0.4);
    room.apply(a, a, 0.3);

    // Fold what rang past the last bar back onto the first ones: played in a
    // loop, that is exactly what follows the end.
    for (std::vector<float>& c : a.ch) {
        for (size_t i = 0; i < tail; ++i) c[i] += c[loop + i];
        c.resize(loop);
    }
    subtract_mean(a);
    normalise(a);
    return a;
}

}  // namespace snd
