#pragma once

#include "core/export.h"
#include "core/vcard_card.h"

#include <string>

// Writing vCard 3.0 as every phone reads it: UTF-8, CR LF, each line folded before 75 octets
// and never inside a character. Values are written as the card holds them, escapes included.
namespace marunda {

inline constexpr std::size_t kVcardLineOctets = 75;

// BEGIN, VERSION:3.0, the card's properties (its own version is not written), END.
MARUNDA_CORE_EXPORT void appendVcard(std::string& out, const VcardCard& card);

// The same written as the properties come, without a card between: BEGIN and VERSION when it
// is made, a line for each property added, END when it goes.
class MARUNDA_CORE_EXPORT VcardLines final : public VcardSink {
public:
    explicit VcardLines(std::string& out);
    ~VcardLines();
    VcardLines(const VcardLines&) = delete;
    VcardLines& operator=(const VcardLines&) = delete;

    void add(std::string_view group, std::string_view name,
             std::initializer_list<VcardParameter> parameters, std::string_view value) override;

private:
    std::string& out_;
};

} // namespace marunda
