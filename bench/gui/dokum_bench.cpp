// Opening the listing window on the largest book, up to its first paint: one read of the book,
// 32767 names cut and put into List1. Beside it the floor of reading the book once.
#include "full_book.h"

#include "common/file_io.h"
#include "telefon/ana.h"
#include "telefon/dokum.h"
#include "ui/message_box.h"

#include <QCoreApplication>
#include <QEvent>
#include <QListWidget>

#include <benchmark/benchmark.h>

namespace {

class PaintWatch : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            painted = true;
        }
        return false;
    }
};

void BM_OpenDokumFullBook(benchmark::State& state) {
    marunda::ui::MessageBox::setTestMode(true);
    Ana ana(FullBook::instance().store());
    for (auto _ : state) {
        PaintWatch watch;
        auto* dokum = new Dokum(ana);
        dokum->setAttribute(Qt::WA_DeleteOnClose);
        dokum->installEventFilter(&watch);
        dokum->show();
        while (!watch.painted) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
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

BENCHMARK(BM_OpenDokumFloorReadBook)->Unit(benchmark::kMillisecond)->Repetitions(9);
BENCHMARK(BM_OpenDokumFullBook)->Unit(benchmark::kMillisecond)->Repetitions(9);
