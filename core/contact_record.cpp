#include "core/contact_record.h"

#include "core/cp1254.h"
#include "core/fixed_field.h"

#include <algorithm>

namespace marunda {

ContactRecord::ContactRecord() {
    bytes_.fill(' ');
}

ContactRecord ContactRecord::fromBytes(std::string_view bytes) {
    ContactRecord record;
    std::copy_n(bytes.begin(), std::min(bytes.size(), kRecordSize), record.bytes_.begin());
    return record;
}

std::string_view ContactRecord::fieldBytes(Field field) const {
    const auto& layout = layoutOf(field);
    return bytes().substr(layout.offset, layout.width);
}

std::string ContactRecord::text(Field field) const {
    return decodeCp1254(fieldBytes(field));
}

void ContactRecord::setText(Field field, std::string_view utf8) {
    setFieldBytes(field, encodeCp1254(utf8));
}

void ContactRecord::setFieldBytes(Field field, std::string_view cp1254) {
    const auto& layout = layoutOf(field);
    putFixedField(bytes_.data() + layout.offset, layout.width, cp1254);
}

} // namespace marunda
