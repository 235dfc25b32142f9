#pragma once
// The window benchmarks' common part: opening an editor sheet on the
// document, from the command to the sheet's first paint, and a main() that
// runs Qt offscreen with settings of its own (the sheets remember their
// pages; the user's own settings stay untouched).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QSettings>
#include <QStandardPaths>

#include "BenchImage.h"

namespace quorvex::bench {

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

// The document the window benchmarks open: a 32 Mbit image, the largest a
// user edits.
inline CQuorvexDoc& LargeDocument(const std::string& name)
{
    synth::SynthOptions o;
    o.mbit = 32;
    return SyntheticDocument(name, o);
}

// Builds the sheet and shows it until it painted; `firstTime` times it as
// right after the image was opened, when the name lists it shows are still
// to be drawn in the game's font.
template <class Sheet>
void OpenSheet(benchmark::State& state, CQuorvexDoc& doc, bool firstTime)
{
    for (auto _ : state) {
        if (firstTime) {
            state.PauseTiming();
            doc.Rom().names.preproc.Reset();
            state.ResumeTiming();
        }
        Sheet sheet(doc);
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

inline int RunWindowBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QDir::tempPath() + "/quorvex_bench_settings");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace quorvex::bench
