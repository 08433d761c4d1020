#pragma once

#include "core/contact_record.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace marunda::converter {

inline constexpr std::size_t kRecordSize16 = 790;
inline constexpr std::size_t kFieldCount16 = 8; // name .. notes
inline constexpr std::size_t kNotesWidth16 = 400;

// A field of the 1.6 record: name .. birthday lie where they lie in ContactRecord, and notes
// starts where it starts there but runs 60 bytes longer. Only the first eight fields exist.
constexpr FieldLayout layoutOf16(Field field) {
    auto layout = layoutOf(field);
    if (field == Field::notes) {
        layout.width = kNotesWidth16;
    }
    return layout;
}

// One page of a 1.6 telefon.dat: eight blank-padded code page 1254 fields, 790 bytes in all.
class ContactRecord16 {
public:
    ContactRecord16(); // every field blank
    // Fewer than 790 bytes are padded with blanks, more are cut.
    static ContactRecord16 fromBytes(std::string_view bytes);

    std::string_view bytes() const { return {bytes_.data(), bytes_.size()}; }
    // name .. notes only.
    std::string_view fieldBytes(Field field) const;
    void setText(Field field, std::string_view utf8);

    // The same contact as 1.7 keeps it: notes cut to 340 characters, the new fields blank.
    ContactRecord toContactRecord() const;

private:
    std::array<char, kRecordSize16> bytes_;
};

// Appends the 1.7 bytes of one 1.6 record to `out` without building either record: the way to
// convert a whole book. Fewer than 790 bytes (a torn last record) count as padded with blanks.
void appendConverted(std::string_view bytes16, std::string& out);
// Appends the conversion of `count` records of a 1.6 book image, from the 0-based `first` on.
void appendConvertedPages(std::string_view book16, std::size_t first, std::size_t count,
                          std::string& out);

} // namespace marunda::converter
