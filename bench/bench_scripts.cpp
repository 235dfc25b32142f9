// The battle scripts: loading the whole set from its area and packing it
// again (what open and save do), and exporting and importing all 384
// scripts as a script file.
#include <benchmark/benchmark.h>

#include <string>

#include "BenchImage.h"
#include "monsters/BattleScriptFile.h"
#include "monsters/BattleScriptTables.h"
#include "rom/Document.h"

using namespace quorvex;

namespace {

CQuorvexDoc& Doc() { return bench::SyntheticDocument("scripts"); }

void BM_LoadAndPackSet(benchmark::State& state)
{
    const BattleScriptSet& set = Doc().Rom().scripts.set;
    std::vector<uint8_t> data, pointers;
    set.PackSet(data, pointers);
    for (auto _ : state) {
        BattleScriptSet loaded;
        loaded.InitSet(kScriptSpaceOwn);
        benchmark::DoNotOptimize(loaded.LoadSet(pointers.data(), data.data(), data.size()));
        std::vector<uint8_t> outData, outPointers;
        loaded.PackSet(outData, outPointers);
        benchmark::DoNotOptimize(outData.data());
    }
}

void BM_ExportAllScripts(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportScriptsText(Doc().Rom(), -1));
}

void BM_ImportAllScripts(benchmark::State& state)
{
    RomData& rd = Doc().Rom();
    const std::string text = ExportScriptsText(rd, -1);
    for (auto _ : state)
        benchmark::DoNotOptimize(ImportScriptsText(rd, text, 0));
}

} // namespace

BENCHMARK(BM_LoadAndPackSet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportAllScripts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportAllScripts)->Unit(benchmark::kMillisecond);
