// Start-up of the main window up to its first paint, with the largest book beside an empty one:
// start-up reads page 1, never the whole book, so the two should take the same time.
#include "full_book.h"
#include "gui/paint_watch.h"

#include "telefon/ana/ana.h"
#include "ui/message_box.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace marunda::telefon;

namespace {

void startUntilPainted(const marunda::RecordStore& store) {
    PaintWatch watch;
    Ana ana(store);
    ana.installEventFilter(&watch);
    ana.startUp();
    watch.waitForPaint();
    benchmark::DoNotOptimize(ana.currentPage());
}

void runStartUp(benchmark::State& state, const marunda::RecordStore& store) {
    marunda::ui::MessageBox::setTestMode(true);
    startUntilPainted(store); // fonts, pictures and the file cache warmed once
    for (auto _ : state) {
        startUntilPainted(store);
    }
}

void BM_StartUpFullBook(benchmark::State& state) {
    runStartUp(state, FullBook::instance().store());
}

void BM_StartUpEmptyBook(benchmark::State& state) {
    QTemporaryDir folder;
    const marunda::RecordStore store(folder.path().toStdString());
    (void)store.createDataFiles();
    runStartUp(state, store);
}

} // namespace

BENCHMARK(BM_StartUpEmptyBook)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpFullBook)->Unit(benchmark::kMillisecond);
