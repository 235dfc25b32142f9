// Encoding speed of the WAV to BRR converter as a multiple of real time
// (one second of 32 kHz mono audio per iteration), and decoding speed.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "audio/BrrCodec.h"
#include "audio/WavToBrr.h"

namespace {

std::vector<int16_t> Music(size_t n)
{
    std::vector<int16_t> v(n);
    uint32_t s = 7;
    for (size_t i = 0; i < n; ++i) {
        s = s * 1664525 + 1013904223;
        const double t = static_cast<double>(i) / 32000;
        v[i] = static_cast<int16_t>(9000 * std::sin(2 * M_PI * 220 * t) + 6000 * std::sin(2 * M_PI * 331 * t) +
                                    2000 * std::sin(2 * M_PI * 1250 * t) + static_cast<int>(s >> 22) - 512);
    }
    return v;
}

void BM_EncodeOneSecond32kMono(benchmark::State& state)
{
    const auto wav = quorvex::MakeWavImage16(Music(32000), 32000);
    std::vector<uint8_t> out(32000 / 16 * 9);
    for (auto _ : state) {
        size_t cap = out.size();
        benchmark::DoNotOptimize(quorvex::ConvertWavToBrr(wav.data(), wav.size(), out.data(), cap));
    }
    // Seconds of audio per second of work: the real-time factor.
    state.counters["x_realtime"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EncodeOneSecond32kMono)->Unit(benchmark::kMillisecond);

void BM_DecodeOneSecond(benchmark::State& state)
{
    const auto wav = quorvex::MakeWavImage16(Music(32000), 32000);
    std::vector<uint8_t> brr(32000 / 16 * 9);
    size_t cap = brr.size();
    quorvex::ConvertWavToBrr(wav.data(), wav.size(), brr.data(), cap);
    std::vector<uint8_t> back;
    for (auto _ : state)
        benchmark::DoNotOptimize(quorvex::DecodeBrrToWav(brr.data(), cap, 4096, back));
    state.counters["x_realtime"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DecodeOneSecond)->Unit(benchmark::kMicrosecond);

} // namespace
