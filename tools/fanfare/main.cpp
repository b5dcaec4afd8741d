// Writes the winning-check fanfare: a rising major arpeggio that lands on a held chord,
// as 16-bit PCM mono WAV. Deterministic, so the committed file can be rebuilt byte for byte.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 22050;

struct Note {
    double start;   // seconds
    double length;  // seconds
    double hertz;
    double loudness;  // 0..1
};

// A brass-like tone: a few harmonics, quick attack, gentle decay, short release.
double voice(const Note& n, double t) {
    const double local = t - n.start;
    if (local < 0.0 || local >= n.length) {
        return 0.0;
    }
    const double attack = std::min(1.0, local / 0.012);
    const double release = std::min(1.0, (n.length - local) / 0.06);
    const double decay = std::exp(-1.6 * local);
    double sum = 0.0;
    const double weights[] = {1.0, 0.45, 0.25, 0.12, 0.06};
    for (int h = 0; h < 5; ++h) {
        sum += weights[h] * std::sin(2.0 * std::numbers::pi * n.hertz * (h + 1) * local);
    }
    return n.loudness * attack * release * decay * sum / 1.88;
}

void put16(std::vector<char>& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

void put32(std::vector<char>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    }
}

void putText(std::vector<char>& out, const char* s) {
    out.insert(out.end(), s, s + 4);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fanfare OUTPUT.wav\n");
        return 2;
    }
    // G4 C5 E5, then G5 over a C major chord.
    const std::vector<Note> notes = {
        {0.00, 0.16, 392.00, 0.55}, {0.14, 0.16, 523.25, 0.55}, {0.28, 0.16, 659.25, 0.55},
        {0.42, 1.00, 783.99, 0.60}, {0.42, 1.00, 523.25, 0.35}, {0.42, 1.00, 659.25, 0.30},
        {0.42, 1.00, 261.63, 0.30},
    };
    const double total = 1.45;
    const int frames = static_cast<int>(total * kRate);

    std::vector<char> pcm;
    pcm.reserve(static_cast<std::size_t>(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kRate;
        double s = 0.0;
        for (const Note& n : notes) {
            s += voice(n, t);
        }
        s = std::clamp(s * 0.9, -1.0, 1.0);
        put16(pcm, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(s * 32000.0))));
    }

    std::vector<char> wav;
    putText(wav, "RIFF");
    put32(wav, static_cast<std::uint32_t>(36 + pcm.size()));
    putText(wav, "WAVE");
    putText(wav, "fmt ");
    put32(wav, 16);
    put16(wav, 1);  // PCM
    put16(wav, 1);  // mono
    put32(wav, kRate);
    put32(wav, kRate * 2);
    put16(wav, 2);
    put16(wav, 16);
    putText(wav, "data");
    put32(wav, static_cast<std::uint32_t>(pcm.size()));
    wav.insert(wav.end(), pcm.begin(), pcm.end());

    const std::string path = argv[1];
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(wav.data(), static_cast<std::streamsize>(wav.size()));
        if (!out.flush()) {
            std::fprintf(stderr, "fanfare: cannot write %s\n", temporary.c_str());
            return 1;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::fprintf(stderr, "fanfare: cannot replace %s\n", path.c_str());
        std::remove(temporary.c_str());
        return 1;
    }
    return 0;
}
