#include "core/vcard_writer.h"

#include <algorithm>

namespace marunda {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool continuesCharacter(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// A line of at most 75 octets, then CR LF and a blank before each further piece of at most 74.
// A fold goes before the first byte of a character; only bytes that are no UTF-8 could make a
// fold fall between two of them.
void appendFolded(std::string& out, std::string_view line) {
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
    std::copy_if(value.begin(), value.end(), std::back_inserter(line),
                 [](char c) { return c != '"'; });
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

void appendVcard(std::string& out, const VcardCard& card) {
    out.append("BEGIN:VCARD\r\nVERSION:3.0\r\n");
    std::string line;
    for (std::size_t k = 0; k < card.size(); ++k) {
        const auto property = card[k];
        line.clear();
        if (!property.group().empty()) {
            line.append(property.group());
            line += '.';
        }
        line.append(property.name());
        for (std::size_t p = 0; p < property.parameterCount(); ++p) {
            const auto parameter = property.parameter(p);
            line += ';';
            line.append(parameter.name);
            line += '=';
            appendParameterValue(line, parameter.value);
        }
        line += ':';
        appendValue(line, property.value());
        appendFolded(out, line);
    }
    out.append("END:VCARD\r\n");
}

} // namespace marunda
