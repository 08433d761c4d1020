// A search in the search window over the largest book, from the click to the filled list:
// one read of the book, the scan, and every hit made a row of ListView1. Compare with
// BM_OpenDokumFloorReadBook, the floor of reading the book once.
#include "full_book.h"

#include "telefon/ana/ana.h"
#include "telefon/search/bul.h"
#include "ui/message_box.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

using namespace marunda::telefon;

namespace {

void runSearch(benchmark::State& state, const char* option, const char* box, const char* text) {
    marunda::ui::MessageBox::setTestMode(true);
    Ana ana(FullBook::instance().store());
    Bul bul(ana);
    bul.findChild<QRadioButton*>(option)->setChecked(true);
    auto* input = bul.findChild<QLineEdit*>(box);
    int rows = 0;
    for (auto _ : state) {
        input->setText(QString::fromUtf8(text));
        rows = bul.arama();
        benchmark::DoNotOptimize(bul.findChild<QTreeWidget*>("ListView1")->topLevelItemCount());
    }
    state.counters["rows"] = rows;
}

// One name in eight begins so: 4096 rows.
void BM_BulNameSearchFullBook(benchmark::State& state) {
    runSearch(state, "Option1", "isim", "ayş");
}

// Every record listed: 32767 rows, the most a name search can give.
void BM_BulNameSearchEveryRecord(benchmark::State& state) {
    runSearch(state, "Option1", "isim", "");
}

// One record's phone1.
void BM_BulPhoneSearchFullBook(benchmark::State& state) {
    runSearch(state, "Option2", "no", "0212 10 16 384");
}

} // namespace

BENCHMARK(BM_BulNameSearchFullBook)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BulNameSearchEveryRecord)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BulPhoneSearchFullBook)->Unit(benchmark::kMillisecond);
