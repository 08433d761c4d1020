#include "converter/contact_record16.h"

#include "core/cp1254.h"
#include "core/fixed_field.h"

#include <algorithm>

namespace marunda::converter {

namespace {

// Everything of a 1.6 record that 1.7 keeps: the seven short fields and 340 characters of notes.
constexpr std::size_t kKeptBytes = layoutOf(Field::notes).offset + layoutOf(Field::notes).width;

} // namespace

ContactRecord16::ContactRecord16() {
    bytes_.fill(' ');
}

ContactRecord16 ContactRecord16::fromBytes(std::string_view bytes) {
    ContactRecord16 record;
    std::copy_n(bytes.begin(), std::min(bytes.size(), kRecordSize16), record.bytes_.begin());
    return record;
}

std::string_view ContactRecord16::fieldBytes(Field field) const {
    const auto layout = layoutOf16(field);
    return bytes().substr(layout.offset, layout.width);
}

void ContactRecord16::setText(Field field, std::string_view utf8) {
    const auto layout = layoutOf16(field);
    putFixedField(bytes_.data() + layout.offset, layout.width, encodeCp1254(utf8));
}

ContactRecord ContactRecord16::toContactRecord() const {
    std::string converted;
    appendConverted(bytes(), converted);
    return ContactRecord::fromBytes(converted);
}

void appendConverted(std::string_view bytes16, std::string& out) {
    const auto kept = bytes16.substr(0, std::min(bytes16.size(), kKeptBytes));
    out.append(kept);
    out.append(kRecordSize - kept.size(), ' ');
}

void appendConvertedPages(std::string_view book16, std::size_t first, std::size_t count,
                          std::string& out) {
    for (std::size_t page = first; page < first + count; ++page) {
        const auto at = std::min(page * kRecordSize16, book16.size());
        appendConverted(book16.substr(at, kRecordSize16), out);
    }
}

} // namespace marunda::converter
