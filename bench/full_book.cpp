#include "full_book.h"

#include "core/file_io.h"

#include <numeric>
#include <random>
#include <string>

using namespace marunda;

namespace {

const char* const kGiven[] = {"Ayşe", "Mehmet", "Işıl", "İsmail", "Gülşen", "Çağrı", "Ömer", "Ali"};
const char* const kFamily[] = {"Kaya", "Yılmaz", "Öztürk", "Şahin", "Demir", "Çelik", "Doğan"};

std::string bookBytes() {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(kMaxPage) * kRecordSize);
    for (int page = 1; page <= kMaxPage; ++page) {
        bytes += FullBook::sampleRecord(page).bytes();
    }
    return bytes;
}

} // namespace

ContactRecord FullBook::sampleRecord(int page) {
    ContactRecord record;
    record.setText(Field::name, std::string(kGiven[page % 8]) + " " + kFamily[page % 7] + " " +
                                    std::to_string(page));
    record.setText(Field::phone1, "0212 " + std::to_string(1000000 + page));
    record.setText(Field::phone2, "0532 " + std::to_string(7000000 + page * 3));
    record.setText(Field::address, "Bağdat Caddesi No " + std::to_string(page) + " İstanbul");
    record.setText(Field::birthday, std::to_string(page % 28 + 1) + "/" +
                                        std::to_string(page % 12 + 1) + "/19" +
                                        std::to_string(50 + page % 50));
    record.setText(Field::email1, "kisi" + std::to_string(page) + "@example.com");
    record.setText(Field::notes, "Not " + std::to_string(page));
    return record;
}

std::vector<int> FullBook::everyPage() {
    std::vector<int> pages(marunda::kMaxPage);
    std::iota(pages.begin(), pages.end(), 1);
    return pages;
}

FullBook::FullBook() {
    std::random_device random;
    folder_ = std::filesystem::temp_directory_path() /
              ("marunda-bench-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(folder_);
    restore();
    (void)store().createDataFiles();
}

FullBook::~FullBook() {
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

void FullBook::restore() const {
    static const std::string bytes = bookBytes();
    (void)replaceFile(folder_ / kBookFile, bytes);
    (void)store().writeNextPage(kMaxPage);
}

const FullBook& FullBook::instance() {
    static const FullBook book;
    return book;
}
