// Opening the Monsters Editor on a 32 Mbit image, from the command to the
// sheet's first paint: the name lists drawn in the game's font (as on the
// first opening after an image was opened), every page built, the snapshot
// that Cancel restores, showing and painting. Runs Qt offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEvent>
#include <cstdio>
#include <cstdlib>

#include "MonsterEd.h"
#include "SyntheticImage.h"
#include "rom/Document.h"

using namespace quorvex;

namespace {

CQuorvexDoc& Doc()
{
    static CQuorvexDoc* doc = [] {
        const std::string path = "/tmp/quorvex_bench_monster_editor.smc";
        synth::SynthOptions o;
        o.mbit = 32;
        synth::WriteSyntheticImage(path, o);
        auto* d = new CQuorvexDoc;
        d->OnOpenDocument(path);
        std::remove(path.c_str());
        return d;
    }();
    return *doc;
}

// Notes the first paint of the sheet itself.
class FirstPaint : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

void BM_OpenMonsterEditor(benchmark::State& state)
{
    CQuorvexDoc& doc = Doc();
    for (auto _ : state) {
        state.PauseTiming();
        doc.Rom().names.preproc.Reset(); // the lists are drawn on the first opening
        state.ResumeTiming();
        CMonsterEd sheet(doc);
        FirstPaint paint;
        sheet.installEventFilter(&paint);
        sheet.show();
        while (!paint.painted)
            QApplication::processEvents();
        state.PauseTiming();
        sheet.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenMonsterEditor)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
