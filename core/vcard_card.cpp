#include "core/vcard_card.h"

#include <algorithm>
#include <array>

namespace marunda {

char asciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return asciiUpper(x) == asciiUpper(y);
           });
}

bool startsIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && sameIgnoringCase(text.substr(0, prefix.size()), prefix);
}

std::string_view VcardProperty::group() const {
    return card_->text(card_->properties_[index_].group);
}

std::string_view VcardProperty::name() const {
    return card_->text(card_->properties_[index_].name);
}

std::string_view VcardProperty::value() const {
    return card_->text(card_->properties_[index_].value);
}

std::size_t VcardProperty::parameterCount() const {
    return card_->properties_[index_].parameterCount;
}

VcardParameter VcardProperty::parameter(std::size_t index) const {
    const auto& stored = card_->parameters_[card_->properties_[index_].firstParameter + index];
    return {card_->text(stored.name), card_->text(stored.value)};
}

std::optional<std::string_view> VcardProperty::parameterValue(std::string_view name) const {
    for (std::size_t k = 0; k < parameterCount(); ++k) {
        if (const auto p = parameter(k); p.name == name) {
            return p.value;
        }
    }
    return std::nullopt;
}

bool VcardProperty::hasType(std::string_view type) const {
    for (std::size_t k = 0; k < parameterCount(); ++k) {
        if (const auto p = parameter(k); p.name == "TYPE" && sameIgnoringCase(p.value, type)) {
            return true;
        }
    }
    return false;
}

VcardCard::Piece VcardCard::keep(std::string_view text, bool upperCase) {
    const Piece piece{static_cast<std::uint32_t>(text_.size()),
                      static_cast<std::uint32_t>(text.size())};
    text_.append(text);
    if (upperCase) {
        std::transform(text_.end() - static_cast<std::ptrdiff_t>(text.size()), text_.end(),
                       text_.end() - static_cast<std::ptrdiff_t>(text.size()), asciiUpper);
    }
    return piece;
}

template <class Parameters>
void VcardCard::addAll(std::string_view group, std::string_view name, const Parameters& parameters,
                       std::string_view value) {
    StoredProperty stored{keep(group),
                          keep(name, true),
                          {},
                          static_cast<std::uint32_t>(parameters_.size()),
                          static_cast<std::uint32_t>(parameters.size())};
    for (const auto& parameter : parameters) {
        const auto parameterName = keep(parameter.name, true);
        parameters_.push_back({parameterName, keep(parameter.value)});
    }
    stored.value = keep(value);
    properties_.push_back(stored);
}

void VcardCard::add(std::string_view group, std::string_view name,
                    std::initializer_list<VcardParameter> parameters, std::string_view value) {
    addAll(group, name, parameters, value);
}

void VcardCard::add(std::string_view group, std::string_view name,
                    const std::vector<VcardParameter>& parameters, std::string_view value) {
    addAll(group, name, parameters, value);
}

void VcardCard::clear() {
    version_.clear();
    text_.clear();
    properties_.clear();
    parameters_.clear();
}

bool VcardCard::operator==(const VcardCard& other) const {
    if (version_ != other.version_ || size() != other.size()) {
        return false;
    }
    for (std::size_t k = 0; k < size(); ++k) {
        const auto a = (*this)[k];
        const auto b = other[k];
        if (a.group() != b.group() || a.name() != b.name() || a.value() != b.value() ||
            a.parameterCount() != b.parameterCount()) {
            return false;
        }
        for (std::size_t p = 0; p < a.parameterCount(); ++p) {
            if (a.parameter(p).name != b.parameter(p).name ||
                a.parameter(p).value != b.parameter(p).value) {
                return false;
            }
        }
    }
    return true;
}

std::string escapeVcardText(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    appendEscapedVcardText(out, text);
    return out;
}

void appendEscapedVcardText(std::string& out, std::string_view text) {
    static constexpr auto kSpecial = [] {
        std::array<bool, 256> special{};
        for (const unsigned char c : std::string_view("\r\n\\,;")) {
            special[c] = true;
        }
        return special;
    }();
    const auto special = [](char c) {
        return kSpecial[static_cast<unsigned char>(c)];
    };
    for (auto at = std::find_if(text.begin(), text.end(), special); at != text.end();
         at = std::find_if(text.begin(), text.end(), special)) {
        const auto i = static_cast<std::size_t>(at - text.begin());
        out.append(text.substr(0, i));
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            out.append("\\n");
            text.remove_prefix(i + (text.substr(i, 2) == "\r\n" ? 2 : 1));
            continue;
        }
        out += '\\';
        out += c;
        text.remove_prefix(i + 1);
    }
    out.append(text);
}

namespace {

void appendUnescaped(std::string& out, std::string_view value) {
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c != '\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const char next = value[i + 1];
        if (next == 'n' || next == 'N') {
            out += "\r\n";
            ++i;
        } else if (next == '\\' || next == ',' || next == ';' || next == ':') {
            out += next;
            ++i;
        } else {
            out += c;
        }
    }
}

} // namespace

std::string unescapeVcardText(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    appendUnescaped(out, value);
    return out;
}

std::vector<std::string> vcardComponents(std::string_view value) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= value.size(); ++i) {
        if (i + 1 < value.size() && value[i] == '\\') {
            ++i; // the escaped character never separates
            continue;
        }
        if (i == value.size() || value[i] == ';') {
            parts.emplace_back();
            appendUnescaped(parts.back(), value.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

} // namespace marunda
