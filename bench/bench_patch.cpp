// Patches between two 32 Mbit images that differ in 1% of their bytes,
// scattered over the whole image: creating and applying BPS and IPS. The
// patch sizes are reported as counters beside the changed bytes.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "SyntheticImage.h"
#include "rom/Bps.h"
#include "rom/Ips.h"

namespace {

struct Images {
    std::vector<uint8_t> original;
    std::vector<uint8_t> modified;
    size_t changed = 0;
};

const Images& Pair()
{
    static const Images images = [] {
        Images im;
        quorvex::synth::SynthOptions o;
        o.mbit = 32;
        im.original = quorvex::synth::BuildSyntheticImage(o);
        im.modified = im.original;
        std::mt19937 rng(17);
        const size_t n = im.original.size() / 100;
        for (size_t k = 0; k < n; ++k)
            im.modified[rng() % im.modified.size()] ^= uint8_t(1 + rng() % 255);
        for (size_t i = 0; i < im.original.size(); ++i)
            im.changed += im.original[i] != im.modified[i];
        return im;
    }();
    return images;
}

void Report(benchmark::State& state, size_t patchSize)
{
    const size_t changed = Pair().changed;
    state.counters["patch_bytes"] = double(patchSize);
    state.counters["changed_bytes"] = double(changed);
    // Each changed byte and its position written as four bytes: the yardstick
    // the patch size is held to (no more than twice this).
    state.counters["patch_vs_changes_and_positions"] = double(patchSize) / double(changed * 5);
}

void BM_CreateBps(benchmark::State& state)
{
    size_t size = 0;
    for (auto _ : state) {
        const auto patch = quorvex::CreateBps(Pair().original, Pair().modified);
        size = patch.size();
        benchmark::DoNotOptimize(patch.data());
    }
    Report(state, size);
}
BENCHMARK(BM_CreateBps)->Unit(benchmark::kMillisecond);

void BM_ApplyBps(benchmark::State& state)
{
    const auto patch = quorvex::CreateBps(Pair().original, Pair().modified);
    std::vector<uint8_t> out;
    for (auto _ : state) {
        if (!quorvex::ApplyBps(Pair().original, patch, out).Ok())
            state.SkipWithError("apply failed");
        benchmark::DoNotOptimize(out.data());
    }
    Report(state, patch.size());
}
BENCHMARK(BM_ApplyBps)->Unit(benchmark::kMillisecond);

void BM_CreateIps(benchmark::State& state)
{
    std::vector<uint8_t> patch;
    for (auto _ : state) {
        quorvex::CreateIps(Pair().original, Pair().modified, patch);
        benchmark::DoNotOptimize(patch.data());
    }
    Report(state, patch.size());
}
BENCHMARK(BM_CreateIps)->Unit(benchmark::kMillisecond);

void BM_ApplyIps(benchmark::State& state)
{
    std::vector<uint8_t> patch, out;
    quorvex::CreateIps(Pair().original, Pair().modified, patch);
    for (auto _ : state) {
        if (!quorvex::ApplyIps(Pair().original, patch, out).Ok())
            state.SkipWithError("apply failed");
        benchmark::DoNotOptimize(out.data());
    }
    Report(state, patch.size());
}
BENCHMARK(BM_ApplyIps)->Unit(benchmark::kMillisecond);

// Data moved: 1000 bytes inserted in the middle of the image shift the
// rest, so the encoder builds its indexes and finds the shifted half as
// one copy.
void BM_CreateBpsMoved(benchmark::State& state)
{
    std::vector<uint8_t> moved = Pair().original;
    moved.insert(moved.begin() + long(moved.size() / 2), 1000, 0x5A);
    moved.resize(Pair().original.size());
    size_t size = 0;
    for (auto _ : state) {
        const auto patch = quorvex::CreateBps(Pair().original, moved);
        size = patch.size();
        benchmark::DoNotOptimize(patch.data());
    }
    state.counters["patch_bytes"] = double(size);
}
BENCHMARK(BM_CreateBpsMoved)->Unit(benchmark::kMillisecond);

// A small patch: what creating one costs besides its size.
void BM_CreateBpsSmall(benchmark::State& state)
{
    const std::vector<uint8_t> a(4096, 1);
    std::vector<uint8_t> b = a;
    b[100] = 2;
    for (auto _ : state)
        benchmark::DoNotOptimize(quorvex::CreateBps(a, b).data());
}
BENCHMARK(BM_CreateBpsSmall)->Unit(benchmark::kMicrosecond);

} // namespace
