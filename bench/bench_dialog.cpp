// Exporting and importing the full town dialogue script, and "Optimize all".
#include <benchmark/benchmark.h>

#include <string>

#include "BenchImage.h"
#include "rom/Document.h"
#include "text/TextPage.h"

using namespace quorvex;

namespace {

// The demo image (the game's own dialogue routine, two pages).
CQuorvexDoc& Doc() { return bench::SyntheticDocument("dialog"); }

// An image in the FF3Edit layout: the town dialogue has a third page in the
// expanded section, and every change is checked against that layout.
CQuorvexDoc& ThirdPageDoc()
{
    synth::SynthOptions o;
    synth::FindVariant("dialog-ff3edit", o);
    return bench::SyntheticDocument("dialog-ff3edit", o);
}

void BM_ExportTownDialogue(benchmark::State& state)
{
    CTextPageLogic page(Doc().Rom(), TownDialogPageConfig(Doc().Rom()));
    for (auto _ : state)
        benchmark::DoNotOptimize(page.ExportText());
    state.SetItemsProcessed(state.iterations() * page.StringCount());
}

void ImportTownDialogue(benchmark::State& state, CQuorvexDoc& doc)
{
    CTextPageLogic page(doc.Rom(), TownDialogPageConfig(doc.Rom()));
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

void BM_ImportTownDialogue(benchmark::State& state) { ImportTownDialogue(state, Doc()); }
void BM_ImportTownDialogueThirdPage(benchmark::State& state) { ImportTownDialogue(state, ThirdPageDoc()); }

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
BENCHMARK(BM_ImportTownDialogueThirdPage)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OptimizeAll)->Unit(benchmark::kMillisecond)->Iterations(3);
