// PNG export and import speed on the synthetic image: the largest sprite
// sheet (a character in the 16 x 18 format, 128 x 144 pixels) and a
// wallpaper (224 x 64 pixels), through files as the editor does it.
#include <benchmark/benchmark.h>

#include <string>

#include "BenchImage.h"
#include "graphics/BitmapEditorLogic.h"

using namespace quorvex;

namespace {

CQuorvexDoc& Doc() { return bench::SyntheticDocument("png"); }

SpriteView LargestSheet()
{
    SpriteView v;
    v.sprite = 0;
    v.newFormat = true;
    return v;
}

void BM_ExportSpriteSheet(benchmark::State& state)
{
    const RomData& rd = Doc().Rom();
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportSpritePng(rd, LargestSheet(), "/tmp/quorvex_bench_sprite.png"));
}
BENCHMARK(BM_ExportSpriteSheet)->Unit(benchmark::kMillisecond);

void BM_ImportSpriteSheet(benchmark::State& state)
{
    RomData& rd = Doc().Rom();
    ExportSpritePng(rd, LargestSheet(), "/tmp/quorvex_bench_sprite.png");
    for (auto _ : state)
        benchmark::DoNotOptimize(ImportSpritePng(rd, LargestSheet(), "/tmp/quorvex_bench_sprite.png", true, false));
}
BENCHMARK(BM_ImportSpriteSheet)->Unit(benchmark::kMillisecond);

void BM_ExportWallpaper(benchmark::State& state)
{
    const RomData& rd = Doc().Rom();
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportWallpaperPng(rd, 2, "/tmp/quorvex_bench_wallpaper.png"));
}
BENCHMARK(BM_ExportWallpaper)->Unit(benchmark::kMillisecond);

void BM_ImportWallpaper(benchmark::State& state)
{
    RomData& rd = Doc().Rom();
    ExportWallpaperPng(rd, 2, "/tmp/quorvex_bench_wallpaper.png");
    for (auto _ : state)
        benchmark::DoNotOptimize(ImportWallpaperPng(rd, 2, "/tmp/quorvex_bench_wallpaper.png", true));
}
BENCHMARK(BM_ImportWallpaper)->Unit(benchmark::kMillisecond);

} // namespace
