#pragma once

#include "core/export.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One vCard as its properties, in file order. Names are upper case; values are UTF-8 with their
// transfer encoding and character set undone but their escapes ("\n", "\,", "\;", "\\") kept,
// so that a line break is always "\n" and never a raw line end, whatever the version.
namespace marunda {

struct VcardParameter {
    std::string_view name;  // upper case: TYPE, PREF, VALUE ...
    std::string_view value; // without quotes; a list of types is one TYPE parameter each
};

class VcardCard;

// Where the properties of a card go as they are made: into a card, or straight into a file's text.
class MARUNDA_CORE_EXPORT VcardSink {
public:
    virtual void add(std::string_view group, std::string_view name,
                     std::initializer_list<VcardParameter> parameters, std::string_view value) = 0;

protected:
    ~VcardSink() = default;
};

// A view of one property of a card; valid while the card is unchanged.
class MARUNDA_CORE_EXPORT VcardProperty {
public:
    std::string_view group() const; // "item1" of "item1.TEL", else empty
    std::string_view name() const;
    std::string_view value() const;
    std::size_t parameterCount() const;
    VcardParameter parameter(std::size_t index) const;
    // The value of the first parameter of that (upper case) name.
    std::optional<std::string_view> parameterValue(std::string_view name) const;
    // A TYPE parameter of that value, without regard to ASCII case.
    bool hasType(std::string_view type) const;

private:
    friend class VcardCard;
    VcardProperty(const VcardCard& card, std::size_t index)
        : card_(&card)
        , index_(index) {}
    const VcardCard* card_;
    std::size_t index_;
};

// Holds its text in one buffer, so that reading thousands of cards costs few allocations.
class MARUNDA_CORE_EXPORT VcardCard final : public VcardSink {
public:
    std::string_view version() const { return version_; } // as the card said it, maybe empty
    void setVersion(std::string_view version) { version_ = version; }

    std::size_t size() const { return properties_.size(); }
    bool empty() const { return properties_.empty(); }
    VcardProperty operator[](std::size_t index) const { return VcardProperty(*this, index); }

    // Names (of the property and its parameters) are stored in upper case.
    void add(std::string_view group, std::string_view name,
             std::initializer_list<VcardParameter> parameters, std::string_view value) override;
    void add(std::string_view group, std::string_view name,
             const std::vector<VcardParameter>& parameters, std::string_view value);
    void add(std::string_view name, std::string_view value) { add({}, name, {}, value); }
    void clear();

    // The same version and the same properties in the same order.
    bool operator==(const VcardCard& other) const;

private:
    friend class VcardProperty;
    struct Piece {
        std::uint32_t at;
        std::uint32_t size;
    };
    struct StoredParameter {
        Piece name;
        Piece value;
    };
    struct StoredProperty {
        Piece group;
        Piece name;
        Piece value;
        std::uint32_t firstParameter;
        std::uint32_t parameterCount;
    };

    template <class Parameters>
    void addAll(std::string_view group, std::string_view name, const Parameters& parameters,
                std::string_view value);
    Piece keep(std::string_view text, bool upperCase = false);
    std::string_view text(Piece piece) const { return {text_.data() + piece.at, piece.size}; }

    std::string version_;
    std::string text_;
    std::vector<StoredProperty> properties_;
    std::vector<StoredParameter> parameters_;
};

// vCard's names and words (types, character sets, "VCARD") are the same in any ASCII case.
MARUNDA_CORE_EXPORT char asciiUpper(char c);
MARUNDA_CORE_EXPORT bool sameIgnoringCase(std::string_view a, std::string_view b);
MARUNDA_CORE_EXPORT bool startsIgnoringCase(std::string_view text, std::string_view prefix);

// Text as vCard escapes it: a line break (CR LF, CR or LF) as "\n", and "\\", "\,", "\;".
MARUNDA_CORE_EXPORT std::string escapeVcardText(std::string_view text);
MARUNDA_CORE_EXPORT void appendEscapedVcardText(std::string& out, std::string_view text);
// The text of an escaped value: "\n" (or "\N") is a line break, stored as CR LF as the suite's
// text boxes store it; "\\", "\,", "\;" and "\:" are the character; any other backslash stays.
MARUNDA_CORE_EXPORT std::string unescapeVcardText(std::string_view value);
// The parts of a structured value (N, ADR, ORG), split at every ";" that is not escaped, each
// unescaped.
MARUNDA_CORE_EXPORT std::vector<std::string> vcardComponents(std::string_view value);

} // namespace marunda
