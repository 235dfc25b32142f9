// Exporting and importing the full town dialogue script, and "Optimize all".
#include <benchmark/benchmark.h>

#include <string>

#include "BenchImage.h"
#include "rom/Document.h"
#include "text/TextPage.h"

using namespace quorvex;

namespace {

CQuorvexDoc& Doc() { return bench::SyntheticDocument("dialog"); }

void BM_ExportTownDialogue(benchmark::State& state)
{
    CTextPageLogic page(Doc().Rom(), TownDialogPageConfig(Doc().Rom()));
    for (auto _ : state)
        benchmark::DoNotOptimize(page.ExportText());
    state.SetItemsProcessed(state.iterations() * page.StringCount());
}

void BM_ImportTownDialogue(benchmark::State& state)
{
    CTextPageLogic page(Doc().Rom(), TownDialogPageConfig(Doc().Rom()));
    const std::string text = page.ExportText();
    for (auto _ : state) {
        // Every caption stored again: clear them first.
        state.PauseTiming();
        page.DeleteAll();
        state.ResumeTiming();
        benchmark::DoNotOptimize(page.ImportText(text));
    }
    state.SetItemsProcessed(state.iterations() * page.StringCount());
}

void BM_OptimizeAll(benchmark::State& state)
{
    RomData& rd = Doc().Rom();
    CTextPageLogic page(rd, TownDialogPageConfig(rd));
    const DteTable original = rd.text.dte;
    for (auto _ : state) {
        // Store every caption uncompressed-by-one-entry, then optimize.
        state.PauseTiming();
        rd.text.dte.Set(0, 0x01, 0x01);
        page.ImportText(page.ExportText());
        rd.text.dte = original;
        state.ResumeTiming();
        benchmark::DoNotOptimize(page.OptimizeAll());
    }
    state.SetItemsProcessed(state.iterations() * page.StringCount());
}

} // namespace

BENCHMARK(BM_ExportTownDialogue)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportTownDialogue)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OptimizeAll)->Unit(benchmark::kMillisecond)->Iterations(3);
