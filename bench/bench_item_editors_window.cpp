// Opening the Items Editor and the Magic Spells Editor on a 32 Mbit image,
// from the command to the sheet's first paint: the item and spell name
// lists drawn in the game's font (as on the first opening after an image
// was opened), every page built (the 256-row effect list, the bonus list
// decoded from its two blocks), the snapshot that Cancel restores, showing
// and painting. Runs Qt offscreen.
#include "BenchWindow.h"
#include "ItemEd.h"
#include "MagicEd.h"

using namespace quorvex;

namespace {

CQuorvexDoc& Doc() { return bench::LargeDocument("item_editors"); }

void BM_OpenItemEditor(benchmark::State& state) { bench::OpenSheet<CItemEd>(state, Doc(), true); }
void BM_OpenMagicEditor(benchmark::State& state) { bench::OpenSheet<CMagicEd>(state, Doc(), true); }
BENCHMARK(BM_OpenItemEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenMagicEditor)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bench::RunWindowBenchmarks(argc, argv); }
