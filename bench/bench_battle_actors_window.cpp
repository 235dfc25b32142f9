// Opening the Battle Editor and the Actors Editor on a 32 Mbit image, from
// the command to the first paint: building every page, filling its lists
// and showing its first record. The target is well under 100 ms each.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <cstdio>

#include "SyntheticImage.h"
#include "actors/StartupSheet.h"
#include "battle/BattleEdSheet.h"
#include "rom/Document.h"

using namespace quorvex;

namespace {

CQuorvexDoc& Doc()
{
    static CQuorvexDoc* doc = [] {
        const std::string path = QDir::tempPath().toStdString() + "/quorvex_bench_sheets.smc";
        synth::SynthOptions o;
        o.mbit = 32;
        o.headered = true;
        synth::WriteSyntheticImage(path, o);
        auto* d = new CQuorvexDoc;
        d->OnOpenDocument(path);
        std::remove(path.c_str());
        return d;
    }();
    return *doc;
}

// `firstTime`: as right after the image was opened, before any editor drew
// the name pictures it shares with the others.
template <class Sheet>
void OpenSheet(benchmark::State& state, bool firstTime = false)
{
    CQuorvexDoc& doc = Doc();
    for (auto _ : state) {
        if (firstTime) {
            state.PauseTiming();
            doc.Rom().names.preproc.Reset();
            state.ResumeTiming();
        }
        Sheet sheet(doc);
        sheet.show();
        sheet.repaint();
        benchmark::DoNotOptimize(&sheet);
        state.PauseTiming();
        sheet.reject();
        state.ResumeTiming();
    }
}

void BM_OpenBattleEditor(benchmark::State& state) { OpenSheet<CBattleEdSheet>(state); }
void BM_OpenActorsEditor(benchmark::State& state) { OpenSheet<CStartupSheet>(state); }
void BM_OpenBattleEditorFirstTime(benchmark::State& state) { OpenSheet<CBattleEdSheet>(state, true); }
void BM_OpenActorsEditorFirstTime(benchmark::State& state) { OpenSheet<CStartupSheet>(state, true); }

} // namespace

BENCHMARK(BM_OpenBattleEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenActorsEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenBattleEditorFirstTime)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenActorsEditorFirstTime)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The sheets remember their pages in the settings: keep the user's own.
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QDir::tempPath() + "/quorvex_bench_settings");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
