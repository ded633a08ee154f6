// Writes the program's two sound cues as 16-bit PCM mono wave files at build time:
//   make_cues START.wav WARNING.wav
// The start cue is a soft rising chime, C6 then G6 (about 0.7 s). The warning is three low,
// firmer beeps alternating A4 and E4 (about 1.2 s). The two share no frequency band, so they
// are told apart by ear and by measurement alike: the chime lies above 1 kHz, the warning with
// its overtone below 900 Hz.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

constexpr int kRate = 44100;

struct Note {
    double start;     // s
    double length;    // s
    double frequency; // Hz
    double overtone;  // share of the second harmonic
    double decay;     // 1/s of the exponential fade; 0 holds the level until the release
};

std::vector<double> render(const std::vector<Note>& notes, double seconds) {
    std::vector<double> samples(static_cast<std::size_t>(seconds * kRate), 0.0);
    for (const Note& note : notes) {
        const auto first = static_cast<std::size_t>(note.start * kRate);
        const auto count = static_cast<std::size_t>(note.length * kRate);
        for (std::size_t i = 0; i < count && first + i < samples.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            // Short attack and release ramps keep the cues free of clicks.
            const double attack = std::min(1.0, t / 0.005);
            const double release = std::min(1.0, (note.length - t) / 0.02);
            const double envelope = attack * release * std::exp(-note.decay * t);
            const double phase = 2 * std::numbers::pi * note.frequency * t;
            samples[first + i] +=
                envelope * (std::sin(phase) + note.overtone * std::sin(2 * phase));
        }
    }
    return samples;
}

bool writeWave(const char* path, const std::vector<double>& samples, double peak) {
    double loudest = 0;
    for (double s : samples) {
        loudest = std::max(loudest, std::abs(s));
    }
    const double scale = loudest > 0 ? peak * 32767 / loudest : 0;

    std::ofstream out(path, std::ios::binary);
    const auto put = [&out](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
    };
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    out.write("RIFF", 4);
    put(36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    put(16, 4);        // format chunk size
    put(1, 2);         // PCM
    put(1, 2);         // mono
    put(kRate, 4);     // samples per second
    put(kRate * 2, 4); // bytes per second
    put(2, 2);         // bytes per sample frame
    put(16, 2);        // bits per sample
    out.write("data", 4);
    put(dataBytes, 4);
    for (double s : samples) {
        put(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(s * scale))), 2);
    }
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_cues START.wav WARNING.wav\n");
        return 2;
    }
    const std::vector<Note> chime{{0.00, 0.45, 1046.5, 0.15, 6.0}, {0.15, 0.55, 1568.0, 0.15, 5.0}};
    const std::vector<Note> warning{{0.00, 0.28, 440.0, 0.35, 0.0},
                                    {0.42, 0.28, 329.6, 0.35, 0.0},
                                    {0.84, 0.34, 440.0, 0.35, 0.0}};
    const bool ok = writeWave(argv[1], render(chime, 0.72), 0.5) &&
                    writeWave(argv[2], render(warning, 1.2), 0.6);
    return ok ? 0 : 1;
}
