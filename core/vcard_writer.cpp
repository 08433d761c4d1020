#include "core/vcard_writer.h"

#include <algorithm>
#include <vector>

namespace marunda {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool continuesCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The line from `start` of `out` on, folded: at most 75 octets, then CR LF and a blank before
// each further piece of at most 74. A fold goes before the first byte of a character; only bytes
// that are no UTF-8 could make a fold fall between two of them. Most lines need no fold.
void foldFrom(std::string& out, std::size_t start) {
    if (out.size() - start <= kVcardLineOctets) {
        out.append(kLineEnd);
        return;
    }
    // The line moves aside into a buffer kept between lines, so a long one costs no allocation.
    thread_local std::string whole;
    whole.assign(out, start);
    out.resize(start);
    std::string_view line = whole;
    std::size_t room = kVcardLineOctets;
    while (line.size() > room) {
        std::size_t cut = room;
        while (cut > room - 3 && continuesCharacter(line[cut])) {
            --cut;
        }
        if (continuesCharacter(line[cut])) {
            cut = room;
        }
        out.append(line.substr(0, cut));
        out.append(kLineEnd);
        out += ' ';
        line.remove_prefix(cut);
        room = kVcardLineOctets - 1;
    }
    out.append(line);
    out.append(kLineEnd);
}

// Quotes a parameter value that holds a separator; quotes themselves cannot be written in 3.0.
void appendParameterValue(std::string& line, std::string_view value) {
    const bool quote = value.find_first_of(";:,") != std::string_view::npos;
    if (quote) {
        line += '"';
    }
    if (value.find('"') == std::string_view::npos) {
        line.append(value);
    } else {
        std::copy_if(value.begin(), value.end(), std::back_inserter(line),
                     [](char c) { return c != '"'; });
    }
    if (quote) {
        line += '"';
    }
}

// A raw line end would end the line early: it is written as the escape it stands for.
void appendValue(std::string& line, std::string_view value) {
    const auto isBreak = [](char c) {
        return c == '\r' || c == '\n';
    };
    for (auto at = std::find_if(value.begin(), value.end(), isBreak); at != value.end();
         at = std::find_if(value.begin(), value.end(), isBreak)) {
        const auto end = static_cast<std::size_t>(at - value.begin());
        line.append(value.substr(0, end)).append("\\n");
        value.remove_prefix(end + (value.substr(end, 2) == "\r\n" ? 2 : 1));
    }
    line.append(value);
}

} // namespace

namespace {

// One property as a line, written in place and folded only when it is long.
template <class Parameters>
void appendLine(std::string& out, std::string_view group, std::string_view name,
                const Parameters& parameters, std::string_view value) {
    const auto start = out.size();
    if (!group.empty()) {
        out.append(group);
        out += '.';
    }
    out.append(name);
    for (const VcardParameter& parameter : parameters) {
        out += ';';
        out.append(parameter.name);
        out += '=';
        appendParameterValue(out, parameter.value);
    }
    out += ':';
    appendValue(out, value);
    foldFrom(out, start);
}

constexpr std::string_view kBegin = "BEGIN:VCARD\r\nVERSION:3.0\r\n";
constexpr std::string_view kEnd = "END:VCARD\r\n";

} // namespace

void appendVcard(std::string& out, const VcardCard& card) {
    out.append(kBegin);
    std::vector<VcardParameter> parameters;
    for (std::size_t k = 0; k < card.size(); ++k) {
        const auto property = card[k];
        parameters.clear();
        for (std::size_t p = 0; p < property.parameterCount(); ++p) {
            parameters.push_back(property.parameter(p));
        }
        appendLine(out, property.group(), property.name(), parameters, property.value());
    }
    out.append(kEnd);
}

VcardLines::VcardLines(std::string& out)
    : out_(out) {
    out_.append(kBegin);
}

VcardLines::~VcardLines() {
    out_.append(kEnd);
}

void VcardLines::add(std::string_view group, std::string_view name,
                     std::initializer_list<VcardParameter> parameters, std::string_view value) {
    appendLine(out_, group, name, parameters, value);
}

} // namespace marunda
