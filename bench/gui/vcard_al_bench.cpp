// "vCard Al" on a file of a whole book (32767 cards, 8.7 MB), up to its first paint: the window
// alone from a ready preview, and the whole way from the file through the preview. Beside them
// the floor of reading the file once.
#include "full_book.h"
#include "gui/paint_watch.h"

#include "core/file_io.h"
#include "core/import_preview.h"
#include "core/vcard_export.h"
#include "telefon/ana/ana.h"
#include "telefon/vcard/vcard_al.h"
#include "ui/message_box.h"

#include <QCoreApplication>
#include <QEvent>

#include <benchmark/benchmark.h>

using namespace marunda::telefon;

namespace {

// The full book exported once, and an empty book to import it into.
struct ImportFiles {
    std::filesystem::path vcards;
    std::filesystem::path emptyBook;
};

const ImportFiles& importFiles() {
    static const ImportFiles files = [] {
        const auto& book = FullBook::instance();
        ImportFiles made{book.folder() / "rehber.vcf", book.folder() / "bos"};
        (void)marunda::exportVcards(book.store(), FullBook::everyPage(), made.vcards);
        std::filesystem::create_directories(made.emptyBook);
        return made;
    }();
    return files;
}

// Times `open` up to the first paint of the window it returns, which is then closed untimed.
template <class Open> void timeToFirstPaint(benchmark::State& state, Open open) {
    for (auto _ : state) {
        PaintWatch watch;
        QWidget* window = open(watch);
        watch.waitForPaint();
        state.PauseTiming();
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}

void BM_VcardAlFloorReadFile(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(marunda::readFile(importFiles().vcards).value().size());
    }
}

void BM_VcardAlWindowFullFile(benchmark::State& state) {
    marunda::ui::MessageBox::setTestMode(true);
    const marunda::RecordStore store(importFiles().emptyBook);
    Ana ana(store);
    const std::filesystem::path files[] = {importFiles().vcards};
    const auto preview = marunda::previewImportFiles(store, files).value();
    timeToFirstPaint(state, [&](PaintWatch& watch) {
        state.PauseTiming();
        auto copy = preview;
        state.ResumeTiming();
        auto* window = new VcardAl(ana, std::move(copy), {QStringLiteral("rehber.vcf")});
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->installEventFilter(&watch);
        window->show();
        return window;
    });
}

void BM_VcardAlFromFileFullFile(benchmark::State& state) {
    marunda::ui::MessageBox::setTestMode(true);
    Ana ana{marunda::RecordStore(importFiles().emptyBook)};
    ana.passwordPassed();
    timeToFirstPaint(state, [&](PaintWatch& watch) {
        // The watch is on the application: the window is made and shown inside the call.
        qApp->installEventFilter(&watch);
        ana.importVcards({importFiles().vcards});
        watch.waitForPaint();
        qApp->removeEventFilter(&watch);
        return ana.findChild<VcardAl*>("vcardAl");
    });
}

} // namespace

BENCHMARK(BM_VcardAlFloorReadFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VcardAlWindowFullFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VcardAlFromFileFullFile)->Unit(benchmark::kMillisecond);
