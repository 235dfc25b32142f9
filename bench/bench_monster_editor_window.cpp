// Opening the Monsters Editor on a 32 Mbit image, from the command to the
// sheet's first paint: the name lists drawn in the game's font (as on the
// first opening after an image was opened), every page built, the snapshot
// that Cancel restores, showing and painting. Runs Qt offscreen.
#include "BenchWindow.h"
#include "MonsterEd.h"

using namespace quorvex;

namespace {

void BM_OpenMonsterEditor(benchmark::State& state)
{
    bench::OpenSheet<CMonsterEd>(state, bench::LargeDocument("monster_editor"), true);
}
BENCHMARK(BM_OpenMonsterEditor)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bench::RunWindowBenchmarks(argc, argv); }
