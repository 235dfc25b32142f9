// The formation editor's costs on the synthetic image: each of the three
// reports (goal: under 20 ms each) and the previews of all 576 formations,
// at full size on a background as the Formations page draws them and at
// half size as the thumbnails do (goal: all 576 under 300 ms).
#include <benchmark/benchmark.h>

#include <string>
#include <unistd.h>

#include "BenchImage.h"
#include "graphics/MonsterRender.h"
#include "monsters/Reports.h"

using namespace quorvex;

namespace {

// Opened and its backgrounds drawn before any timing starts.
RomData& Rom()
{
    static RomData* rd = [] {
        RomData* r = &bench::SyntheticDocument("formations").Rom();
        RenderAllBackgrounds(*r);
        return r;
    }();
    return *rd;
}

void BM_Report(benchmark::State& state)
{
    const auto kind = static_cast<ReportKind>(state.range(0));
    const RomData& rd = Rom();
    for (auto _ : state) {
        std::string text = ReportText(rd, kind);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_Report)
    ->Arg(static_cast<int>(ReportKind::Monsters))
    ->Arg(static_cast<int>(ReportKind::Formations))
    ->Arg(static_cast<int>(ReportKind::Colosseum))
    ->ArgName("kind")
    ->Unit(benchmark::kMillisecond);

void BM_WriteFormationReport(benchmark::State& state)
{
    const std::string path = "/tmp/quorvex_bench_ME_Form_" + std::to_string(getpid()) + ".txt";
    const RomData& rd = Rom();
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteReport(rd, ReportKind::Formations, path));
    std::remove(path.c_str());
}
BENCHMARK(BM_WriteFormationReport)->Unit(benchmark::kMillisecond);

void BM_AllFormationPreviews(benchmark::State& state)
{
    const int scale = static_cast<int>(state.range(0));
    RomData& rd = Rom();
    CFF6Bitmap bmp;
    for (auto _ : state) {
        for (int f = 0; f < kFormationCount; ++f) {
            RenderFormation(rd, f, 7, -1, scale, bmp);
            benchmark::DoNotOptimize(bmp.Pixels().data());
        }
    }
}
BENCHMARK(BM_AllFormationPreviews)->Arg(1)->Arg(2)->ArgName("scale")->Unit(benchmark::kMillisecond);

} // namespace
