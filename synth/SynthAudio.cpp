// Instrument samples of the synthetic image: 63 generated waveforms (sine,
// square, saw, triangle, plucked string, noise drum, organ chord), each
// encoded to BRR by the program's own encoder and laid one after another
// from the start of the sample area, the rest of the area left free.
#include <cmath>
#include <cstring>

#include "SynthImage.h"
#include "audio/AudioTables.h"
#include "audio/WavToBrr.h"

namespace quorvex::synth {

namespace {

std::vector<int16_t> Waveform(int index)
{
    Rng rng(0xB22u + static_cast<uint32_t>(index) * 7919u);
    const int blocks = 24 + (index * 53) % 300;
    const int n = blocks * 16;
    const double period = 16.0 + (index * 29) % 112; // samples per cycle
    const double amp = 6000.0 + (index * 1031) % 24000;
    std::vector<int16_t> out(static_cast<size_t>(n));
    double pluck[256] = {};
    const int pluckLen = static_cast<int>(period);
    for (int i = 0; i < pluckLen; ++i)
        pluck[i] = (static_cast<double>(rng.Next() % 2001) - 1000.0) / 1000.0;
    for (int i = 0; i < n; ++i) {
        const double ph = std::fmod(i / period, 1.0);
        const double env = index % 3 == 0 ? std::exp(-3.0 * i / n) : 1.0;
        double v = 0;
        switch (index % 7) {
        case 0: v = std::sin(2 * M_PI * ph); break;
        case 1: v = ph < 0.5 ? 0.8 : -0.8; break;
        case 2: v = 2 * ph - 1; break;
        case 3: v = ph < 0.5 ? 4 * ph - 1 : 3 - 4 * ph; break;
        case 4: { // a plucked string: a noise burst averaged round a delay line
            const int k = i % pluckLen;
            const int k1 = (k + 1) % pluckLen;
            v = pluck[k];
            pluck[k] = 0.498 * (pluck[k] + pluck[k1]);
            break;
        }
        case 5: v = ((static_cast<double>(rng.Next() % 2001) - 1000.0) / 1000.0) * std::exp(-6.0 * i / n); break;
        default: v = 0.5 * std::sin(2 * M_PI * ph) + 0.3 * std::sin(3 * M_PI * ph) + 0.2 * std::sin(5 * M_PI * ph);
        }
        out[static_cast<size_t>(i)] = static_cast<int16_t>(std::lround(v * env * amp));
    }
    return out;
}

struct SampleArea {
    std::vector<uint8_t> area;
    std::vector<uint32_t> pointers;
};

// The encoded area, made once per process: every variant holds the same
// samples.
const SampleArea& Samples()
{
    static const SampleArea built = [] {
        SampleArea a;
        a.area.assign(kSampleAreaSize, 0);
        uint32_t at = 0;
        std::vector<uint8_t> brr(kSampleAreaSize);
        for (int i = 0; i < kSampleCount; ++i) {
            const std::vector<int16_t> pcm = Waveform(i);
            size_t size = brr.size();
            if (EncodeBrr(pcm.data(), pcm.size(), brr.data(), size) != 0 || at + 2 + size > kSampleAreaSize)
                size = 0;
            a.pointers.push_back(kSampleAreaSnes + at);
            a.area[at] = static_cast<uint8_t>(size);
            a.area[at + 1] = static_cast<uint8_t>(size >> 8);
            std::memcpy(a.area.data() + at + 2, brr.data(), size);
            at += static_cast<uint32_t>(2 + size);
        }
        return a;
    }();
    return built;
}

} // namespace

void FillAudio(SynthImage& img)
{
    const SampleArea& a = Samples();
    img.Put(kSampleAreaOffset, a.area);
    for (int i = 0; i < kSampleCount; ++i)
        img.Put24(kSamplePointersOffset + 3 * static_cast<uint32_t>(i), a.pointers[static_cast<size_t>(i)]);
}

} // namespace quorvex::synth
