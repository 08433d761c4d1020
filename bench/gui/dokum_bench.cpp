// Opening the listing window on the largest book, up to its first paint: one read of the book,
// 32767 names cut and put into List1. Beside it the floor of reading the book once.
#include "full_book.h"
#include "gui/paint_watch.h"

#include "core/file_io.h"
#include "telefon/ana/ana.h"
#include "telefon/listing/dokum.h"
#include "ui/message_box.h"

#include <QCoreApplication>
#include <QEvent>
#include <QListWidget>

#include <benchmark/benchmark.h>

using namespace marunda::telefon;

namespace {

void BM_OpenDokumFullBook(benchmark::State& state) {
    marunda::ui::MessageBox::setTestMode(true);
    Ana ana(FullBook::instance().store());
    for (auto _ : state) {
        PaintWatch watch;
        auto* dokum = new Dokum(ana);
        dokum->setAttribute(Qt::WA_DeleteOnClose);
        dokum->installEventFilter(&watch);
        dokum->show();
        watch.waitForPaint();
        benchmark::DoNotOptimize(dokum->findChild<QListWidget*>("List1")->count());
        state.PauseTiming();
        dokum->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}

// The floor: telefon.dat read into memory once.
void BM_OpenDokumFloorReadBook(benchmark::State& state) {
    const auto path = FullBook::instance().folder() / marunda::kBookFile;
    for (auto _ : state) {
        benchmark::DoNotOptimize(marunda::readFile(path).value().size());
    }
}

} // namespace

BENCHMARK(BM_OpenDokumFloorReadBook)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDokumFullBook)->Unit(benchmark::kMillisecond);
