// Opening and saving a 32 Mbit image, beside plainly reading and copying
// the same file (the yardsticks the document is measured against).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "SyntheticImage.h"
#include "rom/Document.h"

namespace {

const std::string& ImagePath()
{
    static const std::string path = [] {
        const std::string p = (std::filesystem::temp_directory_path() / "quorvex-bench-32.smc").string();
        quorvex::synth::SynthOptions o;
        o.mbit = 32;
        o.headered = true;
        quorvex::synth::WriteSyntheticImage(p, o);
        return p;
    }();
    return path;
}

void BM_ReadFile(benchmark::State& state)
{
    for (auto _ : state) {
        std::vector<char> bytes(std::filesystem::file_size(ImagePath()));
        std::FILE* f = std::fopen(ImagePath().c_str(), "rb");
        benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), f));
        std::fclose(f);
    }
}
BENCHMARK(BM_ReadFile)->Unit(benchmark::kMillisecond);

void BM_CopyFile(benchmark::State& state)
{
    const std::string copy = ImagePath() + ".copy";
    for (auto _ : state)
        std::filesystem::copy_file(ImagePath(), copy, std::filesystem::copy_options::overwrite_existing);
    std::filesystem::remove(copy);
}
BENCHMARK(BM_CopyFile)->Unit(benchmark::kMillisecond);

void BM_OpenDocument(benchmark::State& state)
{
    quorvex::CQuorvexDoc doc;
    for (auto _ : state) {
        auto r = doc.OnOpenDocument(ImagePath());
        benchmark::DoNotOptimize(r.ok);
    }
}
BENCHMARK(BM_OpenDocument)->Unit(benchmark::kMillisecond);

void BM_SaveDocument(benchmark::State& state)
{
    quorvex::CQuorvexDoc doc;
    doc.OnOpenDocument(ImagePath());
    for (auto _ : state) {
        auto r = doc.OnSaveDocument(ImagePath());
        benchmark::DoNotOptimize(r.ok);
    }
}
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond);

} // namespace
