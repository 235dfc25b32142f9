// Rendering speed on the synthetic image: all 56 backgrounds at both sizes,
// one formation preview, one monster, and the decompressor.
#include <benchmark/benchmark.h>

#include <string>

#include "LzCompress.h"
#include "BenchImage.h"
#include "graphics/Backgrounds.h"
#include "graphics/Decompress.h"
#include "graphics/MonsterRender.h"
#include "rom/Document.h"

using namespace quorvex;

namespace {

CQuorvexDoc& Doc() { return bench::SyntheticDocument("graphics"); }

void BM_RenderAllBackgrounds(benchmark::State& state)
{
    RomData& rd = Doc().Rom();
    for (auto _ : state) {
        rd.gfx.backgroundCache = {};
        RenderAllBackgrounds(rd);
        benchmark::DoNotOptimize(rd.gfx.backgroundCache.large.data());
    }
}
BENCHMARK(BM_RenderAllBackgrounds)->Unit(benchmark::kMillisecond);

void BM_RenderFormation(benchmark::State& state)
{
    RomData& rd = Doc().Rom();
    RenderAllBackgrounds(rd);
    uint8_t* f = rd.formations.records.bytes.data();
    const uint8_t rec[15] = {0x10, 0x3F, 0, 1, 2, 3, 4, 5, 0x00, 0x08, 0x40, 0x48, 0x80, 0x88, 0};
    std::copy(rec, rec + 15, f);
    CFF6Bitmap bmp;
    for (auto _ : state) {
        RenderFormation(rd, 0, 7, 1, 1, bmp);
        benchmark::DoNotOptimize(bmp.Pixels().data());
    }
}
BENCHMARK(BM_RenderFormation)->Unit(benchmark::kMicrosecond);

void BM_RenderMonster(benchmark::State& state)
{
    CFF6Bitmap bmp;
    for (auto _ : state) {
        RenderMonster(Doc().Rom(), 50, bmp, 1);
        benchmark::DoNotOptimize(bmp.Pixels().data());
    }
}
BENCHMARK(BM_RenderMonster)->Unit(benchmark::kMicrosecond);

void BM_Decompress64K(benchmark::State& state)
{
    std::vector<uint8_t> data(65536);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>((i * 7) ^ (i >> 5));
    const std::vector<uint8_t> block = synth::LzCompress(data);
    std::vector<uint8_t> out(kDecompressMaxOutput);
    for (auto _ : state)
        benchmark::DoNotOptimize(DecompressBlock(block.data(), block.size(), 0, out.data()));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 65536);
}
BENCHMARK(BM_Decompress64K)->Unit(benchmark::kMicrosecond);

} // namespace
