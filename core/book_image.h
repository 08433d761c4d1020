#pragma once

#include "core/contact_record.h"

#include <string>
#include <string_view>

namespace marunda {

// telefon.dat read whole into memory, for the scans over every page (search, listing, deletion,
// the reminder). Pages are views into one buffer: no record is copied until asked for.
class BookImage {
public:
    BookImage() = default;
    explicit BookImage(std::string bytes)
        : bytes_(std::move(bytes)) {}

    // Whole records only: a torn tail is not a page.
    int pageCount() const { return static_cast<int>(bytes_.size() / kRecordSize); }
    // page is 1-based and must lie within 1..pageCount().
    std::string_view pageBytes(int page) const {
        return std::string_view(bytes_).substr(static_cast<std::size_t>(page - 1) * kRecordSize,
                                               kRecordSize);
    }
    std::string_view fieldBytes(int page, Field field) const {
        const auto& layout = layoutOf(field);
        return pageBytes(page).substr(layout.offset, layout.width);
    }
    ContactRecord record(int page) const { return ContactRecord::fromBytes(pageBytes(page)); }
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};

} // namespace marunda
