#pragma once
// Small sound files made on the spot, and the disk audio driver's output read back.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace tandrel::testing {

inline void PutLE(std::ofstream& f, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i) f.put(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// A 16-bit mono tone at 22,050 Hz.
inline void WriteTone(const std::string& path, double seconds, double amplitude)
{
    const int n = static_cast<int>(seconds * 22050);
    std::ofstream f(path, std::ios::binary);
    f << "RIFF";
    PutLE(f, 36 + 2 * n, 4);
    f << "WAVEfmt ";
    PutLE(f, 16, 4), PutLE(f, 1, 2), PutLE(f, 1, 2), PutLE(f, 22050, 4), PutLE(f, 44100, 4), PutLE(f, 2, 2), PutLE(f, 16, 2);
    f << "data";
    PutLE(f, 2 * n, 4);
    for (int i = 0; i < n; ++i)
        PutLE(f, static_cast<std::uint16_t>(static_cast<std::int16_t>(amplitude * 32767 * std::sin(i * 0.125))), 2);
}

// A tune of one short note at its start that lasts exactly two seconds
// (one bar of 4/4 at 120 a minute), its end a silent stretch.
inline void WriteTune(const std::string& path)
{
    const char smf[] = "MThd\0\0\0\x06\0\0\0\x01\x01\xE0"
                       "MTrk\0\0\0\x10"
                       "\0\xC0\0" "\0\x90\x3C\x64" "\x60\x80\x3C\0" "\x8E\x20\xFF\x2F\0";
    std::ofstream(path, std::ios::binary).write(smf, sizeof smf - 1);
}

// Left channel of what the disk driver wrote (16-bit stereo at 44.1 kHz).
inline std::vector<int> DiskOutput(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    std::vector<int> left;
    char frame[4];
    while (f.read(frame, 4))
        left.push_back(static_cast<std::int16_t>(static_cast<std::uint8_t>(frame[0]) | (static_cast<std::uint8_t>(frame[1]) << 8)));
    return left;
}

inline int Peak(const std::vector<int>& s, std::size_t from, std::size_t to)
{
    int peak = 0;
    for (std::size_t i = from; i < to && i < s.size(); ++i) peak = std::max(peak, std::abs(s[i]));
    return peak;
}

} // namespace tandrel::testing
