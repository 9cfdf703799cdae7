// velmar_tune: synthesises the built-in tune, a calm 16-second loop in C major
// (soft pad, marimba arpeggio, bass and a bell melody), and writes it as a
// 22050 Hz mono 16-bit WAV file. Every note's tail and the echo wrap around
// the end of the buffer, so the loop joins without a click.
//   velmar_tune FILE.wav
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {
constexpr int kSampleRate = 22050;
constexpr double kBeatSeconds = 0.5;  // 120 beats a minute
constexpr int kBeatsPerBar = 4;
constexpr int kBars = 8;
constexpr double kPi = 3.14159265358979;

struct Chord {
    int root;  // MIDI note of the bass
    bool minor;
};
const Chord kChords[kBars] = {{48, false}, {45, true}, {41, false}, {43, false},
                              {48, false}, {45, true}, {50, true},  {43, false}};

struct MelodyNote {
    int note;  // MIDI note, or -1 for a rest
    double beats;
};
const MelodyNote kMelody[] = {
    {76, 1.5}, {79, 0.5}, {84, 1}, {79, 1}, {81, 2}, {76, 1}, {72, 1},   {77, 1.5}, {81, 0.5},
    {84, 1},   {81, 1},   {79, 3}, {-1, 1}, {76, 1}, {79, 1}, {84, 1.5}, {83, 0.5}, {81, 1.5},
    {79, 0.5}, {76, 2},   {74, 1}, {77, 1}, {81, 1}, {77, 1}, {79, 1},   {74, 1},   {71, 2}};

double Frequency(int midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

// A circular sample buffer: writes past the end land at the start.
class LoopBuffer {
  public:
    explicit LoopBuffer(std::size_t length) : samples_(length, 0.0) {}
    std::size_t Length() const { return samples_.size(); }
    double& At(std::size_t i) { return samples_[i % samples_.size()]; }
    const std::vector<double>& Samples() const { return samples_; }

  private:
    std::vector<double> samples_;
};

std::size_t BeatsToSamples(double beats) {
    return static_cast<std::size_t>(std::lround(beats * kBeatSeconds * kSampleRate));
}

// A struck tone: partials (ratio, weight) that each decay exponentially.
void Strike(LoopBuffer& out, double startBeat, int note, double gain, double decaySeconds,
            std::initializer_list<std::pair<double, double>> partials) {
    const std::size_t start = BeatsToSamples(startBeat);
    const double f = Frequency(note);
    const auto length = static_cast<std::size_t>(decaySeconds * 5.0 * kSampleRate);
    for (std::size_t i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double attack = std::min(1.0, t / 0.006);
        double value = 0.0;
        for (const auto& [ratio, weight] : partials) {
            value +=
                weight * std::sin(2.0 * kPi * f * ratio * t) * std::exp(-t * ratio / decaySeconds);
        }
        out.At(start + i) += gain * attack * value;
    }
}

// A held tone with a slow swell, slightly detuned voices for a watery chorus.
void Swell(LoopBuffer& out, double startBeat, double beats, int note, double gain) {
    const std::size_t start = BeatsToSamples(startBeat);
    const std::size_t held = BeatsToSamples(beats);
    const std::size_t release = BeatsToSamples(2.0);
    const double f = Frequency(note);
    for (std::size_t i = 0; i < held + release; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double rise = std::min(1.0, t / 0.8);
        const double fall =
            i < held ? 1.0 : 1.0 - static_cast<double>(i - held) / static_cast<double>(release);
        const double value = std::sin(2.0 * kPi * f * 0.997 * t) +
                             std::sin(2.0 * kPi * f * 1.003 * t) +
                             0.25 * std::sin(2.0 * kPi * f * 2.0 * t);
        out.At(start + i) += gain * rise * rise * fall * value;
    }
}

void AddChordsAndBass(LoopBuffer& out) {
    const int arpeggio[] = {0, 1, 2, 3, 2, 1, 2, 1};
    for (int bar = 0; bar < kBars; ++bar) {
        const Chord& chord = kChords[bar];
        const int third = chord.minor ? 3 : 4;
        const int tones[] = {0, third, 7, 12};
        const double barBeat = bar * kBeatsPerBar;
        for (int tone : {0, third, 7})
            Swell(out, barBeat, kBeatsPerBar, chord.root + 12 + tone, 0.035);
        for (int step = 0; step < 8; ++step) {
            Strike(out, barBeat + step * 0.5, chord.root + 24 + tones[arpeggio[step]], 0.07, 0.35,
                   {{1.0, 1.0}, {3.9, 0.25}, {9.2, 0.05}});
        }
        Strike(out, barBeat, chord.root, 0.22, 0.9, {{1.0, 1.0}, {2.0, 0.3}});
        Strike(out, barBeat + 2.5, chord.root + 7, 0.14, 0.6, {{1.0, 1.0}, {2.0, 0.3}});
    }
}

void AddMelody(LoopBuffer& out) {
    double beat = 0.0;
    for (const MelodyNote& note : kMelody) {
        if (note.note >= 0) {
            Strike(out, beat, note.note, 0.16, 0.7, {{1.0, 1.0}, {2.76, 0.3}, {5.4, 0.08}});
        }
        beat += note.beats;
    }
}

// A soft echo, a dotted quarter late, that also wraps around the loop.
std::vector<double> WithEcho(const LoopBuffer& dry) {
    const std::vector<double>& in = dry.Samples();
    const std::size_t n = in.size();
    const std::size_t delay = BeatsToSamples(0.75);
    std::vector<double> out(in);
    double gain = 0.3;
    for (int tap = 1; tap <= 4; ++tap, gain *= 0.45) {
        for (std::size_t i = 0; i < n; ++i) out[(i + tap * delay) % n] += gain * in[i];
    }
    return out;
}

void PutU16(std::string& out, std::uint32_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void PutU32(std::string& out, std::uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

std::string WavFile(const std::vector<double>& samples) {
    double peak = 1e-9;
    for (double s : samples) peak = std::max(peak, std::fabs(s));
    const double scale = 0.8 * 32767.0 / peak;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string out = "RIFF";
    PutU32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    PutU32(out, 16);
    PutU16(out, 1);  // PCM
    PutU16(out, 1);  // mono
    PutU32(out, kSampleRate);
    PutU32(out, kSampleRate * 2);
    PutU16(out, 2);
    PutU16(out, 16);
    out += "data";
    PutU32(out, dataBytes);
    for (double s : samples) {
        PutU16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(s * scale))));
    }
    return out;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.wav\n", argv[0]);
        return 2;
    }
    LoopBuffer tune(BeatsToSamples(kBars * kBeatsPerBar));
    AddChordsAndBass(tune);
    AddMelody(tune);
    const std::string wav = WavFile(WithEcho(tune));
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file.write(wav.data(), static_cast<std::streamsize>(wav.size()));
    if (file) return 0;
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
    return 1;
}
