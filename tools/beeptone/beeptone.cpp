// SPDX-FileCopyrightText: 2026 The Vornaxi Timer authors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// beeptone: writes the program's own beep, the tone it plays where the
// desktop's sound theme has no bell, as a WAV file (16-bit mono PCM).
//
// usage: beeptone FILE
//
// A struck 880 Hz tone with a quieter octave above it: 5 ms rise, then an
// exponential fade, 300 ms in all, peaking at half of full scale.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

constexpr int Rate = 48000;
constexpr double Seconds = 0.3;
constexpr double Rise = 0.005;
constexpr double Fade = 0.07; // time constant of the fade, s
constexpr double Peak = 0.5;

template<typename T>
void put(std::ofstream &out, T value)
{
    for (unsigned i = 0; i < sizeof(T); ++i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xff)); // little-endian
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    const int count = static_cast<int>(Rate * Seconds);
    std::vector<std::int16_t> samples(count);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / Rate;
        const double envelope = std::min(t / Rise, 1.0) * std::exp(-t / Fade);
        const double wave = std::sin(2 * std::numbers::pi * 880 * t) +
            0.3 * std::sin(2 * std::numbers::pi * 1760 * t);
        samples[i] = static_cast<std::int16_t>(std::lround(32767 * Peak * envelope * wave / 1.3));
    }

    std::ofstream out(argv[1], std::ios::binary);
    const std::uint32_t bytes = count * 2;
    out.write("RIFF", 4);
    put<std::uint32_t>(out, 36 + bytes);
    out.write("WAVEfmt ", 8);
    put<std::uint32_t>(out, 16); // size of the format chunk
    put<std::uint16_t>(out, 1); // PCM
    put<std::uint16_t>(out, 1); // mono
    put<std::uint32_t>(out, Rate); // frames a second
    put<std::uint32_t>(out, Rate * 2); // bytes a second
    put<std::uint16_t>(out, 2); // bytes a frame
    put<std::uint16_t>(out, 16); // bits a sample
    out.write("data", 4);
    put<std::uint32_t>(out, bytes);
    for (auto sample : samples) {
        put<std::uint16_t>(out, static_cast<std::uint16_t>(sample));
    }
    return out ? 0 : 1;
}
