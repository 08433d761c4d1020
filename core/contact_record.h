#pragma once

#include "core/export.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace marunda {

enum class Field {
    name,
    phone1,
    phone2,
    phone3,
    fax,
    address,
    birthday,
    notes,
    email1,
    email2,
    email3,
    icq1,
    icq2,
    internet,
    taxOffice,
    taxNumber,
};

struct FieldLayout {
    Field field;
    std::size_t offset;
    std::size_t width;
};

inline constexpr std::size_t kRecordSize = 1020;
inline constexpr std::size_t kFieldCount = 16;

inline constexpr std::array<FieldLayout, kFieldCount> kFieldLayout = {{
    {Field::name, 0, 50},
    {Field::phone1, 50, 30},
    {Field::phone2, 80, 30},
    {Field::phone3, 110, 30},
    {Field::fax, 140, 30},
    {Field::address, 170, 200},
    {Field::birthday, 370, 20},
    {Field::notes, 390, 340},
    {Field::email1, 730, 40},
    {Field::email2, 770, 40},
    {Field::email3, 810, 40},
    {Field::icq1, 850, 10},
    {Field::icq2, 860, 10},
    {Field::internet, 870, 50},
    {Field::taxOffice, 920, 50},
    {Field::taxNumber, 970, 50},
}};

constexpr const FieldLayout& layoutOf(Field field) {
    return kFieldLayout[static_cast<std::size_t>(field)];
}
constexpr std::size_t fieldWidth(Field field) {
    return layoutOf(field).width;
}

// One page of telefon.dat: sixteen blank-padded code page 1254 fields, 1020 bytes in all.
class MARUNDA_CORE_EXPORT ContactRecord {
public:
    ContactRecord(); // every field blank
    // Fewer than 1020 bytes are padded with blanks, more are cut.
    static ContactRecord fromBytes(std::string_view bytes);

    std::string_view bytes() const { return {bytes_.data(), bytes_.size()}; }
    std::string_view fieldBytes(Field field) const;
    // The field as stored, at its full width (trailing blanks included), in UTF-8.
    std::string text(Field field) const;

    // Stores at the field's left edge, cut to its width or padded with blanks.
    void setText(Field field, std::string_view utf8);
    void setFieldBytes(Field field, std::string_view cp1254);

    bool operator==(const ContactRecord&) const = default;

private:
    std::array<char, kRecordSize> bytes_;
};

} // namespace marunda
