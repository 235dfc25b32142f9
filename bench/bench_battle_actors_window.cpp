// Opening the Battle Editor and the Actors Editor on a 32 Mbit image, from
// the command to the first paint: building every page, filling its lists
// and showing its first record, with the name pictures already drawn by an
// earlier editor and as right after the image was opened. The target is
// well under 100 ms each.
#include "BenchWindow.h"
#include "actors/StartupSheet.h"
#include "battle/BattleEdSheet.h"

using namespace quorvex;

namespace {

CQuorvexDoc& Doc() { return bench::LargeDocument("sheets"); }

void BM_OpenBattleEditor(benchmark::State& state) { bench::OpenSheet<CBattleEdSheet>(state, Doc(), false); }
void BM_OpenActorsEditor(benchmark::State& state) { bench::OpenSheet<CStartupSheet>(state, Doc(), false); }
void BM_OpenBattleEditorFirstTime(benchmark::State& state) { bench::OpenSheet<CBattleEdSheet>(state, Doc(), true); }
void BM_OpenActorsEditorFirstTime(benchmark::State& state) { bench::OpenSheet<CStartupSheet>(state, Doc(), true); }

} // namespace

BENCHMARK(BM_OpenBattleEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenActorsEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenBattleEditorFirstTime)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenActorsEditorFirstTime)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return bench::RunWindowBenchmarks(argc, argv); }
