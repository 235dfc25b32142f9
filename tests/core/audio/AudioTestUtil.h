#pragma once
// Signal generators and helpers shared by the audio tests.
#include <cmath>
#include <cstdint>
#include <vector>

#include "audio/BrrCodec.h"
#include "audio/WavToBrr.h"

namespace quorvex::test {

inline std::vector<int16_t> Sine(size_t n, double hz, double amp, double rate = 32000)
{
    std::vector<int16_t> v(n);
    for (size_t i = 0; i < n; ++i)
        v[i] = static_cast<int16_t>(std::lround(amp * std::sin(2 * M_PI * hz * static_cast<double>(i) / rate)));
    return v;
}

inline std::vector<int16_t> Square(size_t n, size_t halfPeriod, int16_t hi, int16_t lo)
{
    std::vector<int16_t> v(n);
    for (size_t i = 0; i < n; ++i)
        v[i] = (i / halfPeriod) % 2 == 0 ? hi : lo;
    return v;
}

inline std::vector<int16_t> Noise(size_t n, uint32_t seed, int amp = 32767)
{
    std::vector<int16_t> v(n);
    uint32_t s = seed ? seed : 1;
    for (size_t i = 0; i < n; ++i) {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        v[i] = static_cast<int16_t>(static_cast<int>(s % (2u * static_cast<uint32_t>(amp) + 1)) - amp);
    }
    return v;
}

// Samples as little-endian 16-bit bytes, as a WAV file holds them.
inline std::vector<uint8_t> Bytes16(const std::vector<int16_t>& s)
{
    std::vector<uint8_t> b;
    for (int16_t v : s) {
        b.push_back(static_cast<uint8_t>(static_cast<uint16_t>(v)));
        b.push_back(static_cast<uint8_t>(static_cast<uint16_t>(v) >> 8));
    }
    return b;
}

// Encodes 16-bit mono samples through the WAV converter.
inline std::vector<uint8_t> EncodeSamples(const std::vector<int16_t>& pcm)
{
    const std::vector<uint8_t> wav = MakeWavImage16(pcm, 32000);
    std::vector<uint8_t> out(pcm.size() / 16 * 9 + 9);
    size_t cap = out.size();
    if (ConvertWavToBrr(wav.data(), wav.size(), out.data(), cap) != 0)
        return {};
    out.resize(cap);
    return out;
}

// The 16-bit samples of a decoded WAV image (past its 44-byte header).
inline std::vector<int16_t> WavSamples(const std::vector<uint8_t>& wav)
{
    std::vector<int16_t> v;
    for (size_t i = 44; i + 1 < wav.size(); i += 2)
        v.push_back(static_cast<int16_t>(static_cast<uint16_t>(wav[i] | (wav[i + 1] << 8))));
    return v;
}

// Signal-to-noise ratio in dB of `decoded` against `original`.
inline double Snr(const std::vector<int16_t>& original, const std::vector<int16_t>& decoded)
{
    double sig = 0, err = 0;
    for (size_t i = 0; i < original.size() && i < decoded.size(); ++i) {
        sig += double(original[i]) * original[i];
        const double d = double(original[i]) - decoded[i];
        err += d * d;
    }
    if (err == 0)
        return 200;
    return 10 * std::log10(sig / err);
}

} // namespace quorvex::test
