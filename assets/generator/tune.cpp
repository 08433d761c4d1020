// Zilora's tune: a short original melody of bell-like notes, synthesised into a 16-bit mono WAV.
#include "artwork.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kEighth = 0.17; // seconds

struct Note {
    int midi; // 0 is a rest
    int eighths;
};

// In G major: rising up the chord three times, each phrase a step higher, home to G.
constexpr Note kMelody[] = {
    {62, 1}, {67, 1}, {71, 2}, {69, 1}, {67, 1}, {62, 2},          // D G B A G D
    {64, 1}, {67, 1}, {72, 2}, {71, 1}, {69, 1}, {67, 2},          // E G C B A G
    {66, 1}, {69, 1}, {74, 2}, {72, 1}, {69, 1}, {66, 1}, {69, 1}, // F# A D C A F# A
    {67, 2}, {71, 2}, {79, 4},                                     // G B G'
};

double frequency(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// A struck note: a quick rise, then a ring that fades; overtones fade faster.
void addNote(std::vector<double>& out, std::size_t start, double hz, double seconds) {
    const auto length = static_cast<std::size_t>(seconds * kRate);
    for (std::size_t i = 0; i < length && start + i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double attack = std::min(1.0, t / 0.006);
        const double w = 2 * M_PI * hz * t;
        out[start + i] += attack * (std::sin(w) * std::exp(-t / 0.45) +
                                    0.35 * std::sin(2 * w) * std::exp(-t / 0.2) +
                                    0.12 * std::sin(3 * w) * std::exp(-t / 0.1));
    }
}

void putLe(QByteArray& bytes, quint32 value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.append(char((value >> (8 * i)) & 0xFF));
    }
}

QByteArray wav(const std::vector<double>& samples) {
    const auto dataSize = quint32(samples.size() * 2);
    QByteArray bytes("RIFF");
    putLe(bytes, 36 + dataSize, 4);
    bytes.append("WAVEfmt ");
    putLe(bytes, 16, 4);
    putLe(bytes, 1, 2); // PCM
    putLe(bytes, 1, 2); // mono
    putLe(bytes, kRate, 4);
    putLe(bytes, kRate * 2, 4);
    putLe(bytes, 2, 2);
    putLe(bytes, 16, 2);
    bytes.append("data");
    putLe(bytes, dataSize, 4);
    for (double s : samples) {
        putLe(bytes, quint32(quint16(qint16(std::lround(s * 32767)))), 2);
    }
    return bytes;
}

QByteArray ziloraTune() {
    int eighths = 0;
    for (const Note& note : kMelody) {
        eighths += note.eighths;
    }
    const double ring = 1.2;
    std::vector<double> samples(std::size_t((eighths * kEighth + ring) * kRate), 0.0);
    double at = 0;
    for (const Note& note : kMelody) {
        if (note.midi) {
            const bool last = &note == std::end(kMelody) - 1;
            addNote(samples, std::size_t(at * kRate), frequency(note.midi),
                    last ? ring + note.eighths * kEighth : 0.9);
        }
        at += note.eighths * kEighth;
    }
    double peak = 0;
    for (double s : samples) {
        peak = std::max(peak, std::abs(s));
    }
    for (double& s : samples) {
        s *= 0.7 / peak;
    }
    return wav(samples);
}

} // namespace

std::vector<Sound> soundArtwork() {
    return {{QStringLiteral("Zilora.wav"), ziloraTune}};
}
