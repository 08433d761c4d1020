#include "core/vcard_reader.h"

#include "core/cp1254.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <optional>

namespace marunda {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) {
        return c == ' ' || c == '\t';
    };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// UTF-16 text (after its byte-order mark) as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](std::size_t at) {
        const auto a = static_cast<unsigned char>(bytes[at]);
        const auto b = static_cast<unsigned char>(bytes[at + 1]);
        return static_cast<char32_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t ch = unit(i);
        if (ch >= 0xD800 && ch < 0xDC00 && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
            unit(i + 2) < 0xE000) {
            ch = 0x10000 + ((ch - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (ch >= 0xD800 && ch < 0xE000) {
            ch = U'\uFFFD';
        }
        appendUtf8(out, ch);
    }
    return out;
}

enum class Charset { automatic, cp1254, latin5, latin1 };

Charset charsetNamed(std::string_view name) {
    for (const auto* alias : {"WINDOWS-1254", "CP1254", "WINDOWS1254"}) {
        if (sameIgnoringCase(name, alias)) {
            return Charset::cp1254;
        }
    }
    for (const auto* alias : {"ISO-8859-9", "ISO8859-9", "LATIN5"}) {
        if (sameIgnoringCase(name, alias)) {
            return Charset::latin5;
        }
    }
    for (const auto* alias : {"ISO-8859-1", "ISO8859-1", "LATIN1"}) {
        if (sameIgnoringCase(name, alias)) {
            return Charset::latin1;
        }
    }
    return Charset::automatic; // UTF-8, US-ASCII and the unknown
}

// Bytes of a character set as UTF-8. Automatic: UTF-8 when well formed, else code page 1254,
// the code page of the files a Turkish user's older programs wrote.
void appendDecoded(std::string& out, std::string_view bytes, Charset charset) {
    if (charset == Charset::automatic && isUtf8(bytes)) {
        out.append(bytes);
        return;
    }
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        // ISO-8859-9 is code page 1254 but for the control characters in 0x80..0x9F.
        const bool c1 = byte >= 0x80 && byte < 0xA0;
        appendUtf8(out, charset == Charset::latin1 || (charset == Charset::latin5 && c1)
                            ? char32_t{byte}
                            : cp1254ToUnicode(byte));
    }
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char u = asciiUpper(c);
    return u >= 'A' && u <= 'F' ? u - 'A' + 10 : -1;
}

// Soft line breaks are joined already; a "=" not followed by two hex digits stays as it is.
void appendQuotedPrintable(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '=' && i + 2 < text.size()) {
            const int high = hexDigit(text[i + 1]);
            const int low = hexDigit(text[i + 2]);
            if (high >= 0 && low >= 0) {
                out += static_cast<char>(high * 16 + low);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
}

// Raw line breaks (from a quoted-printable value) become the escape "\n", as 3.0 writes them.
void escapeLineBreaks(std::string& value) {
    if (value.find_first_of("\r\n") == std::string::npos) {
        return;
    }
    std::string out;
    out.reserve(value.size() + 8);
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' || value[i] == '\n') {
            if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') {
                ++i;
            }
            out += "\\n";
        } else {
            out += value[i];
        }
    }
    value = std::move(out);
}

// The file's lines, unfolded: a line that starts with a blank or a tab continues the one
// before it, without that first blank. The fold is undone on bytes, before any decoding, so a
// character split by a fold is whole again.
class Lines {
public:
    explicit Lines(std::string_view text)
        : text_(text)
        , nextLf_(std::min(text.find('\n'), text.size())) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    int nextLineNumber() const { return number_ + 1; }

    // The next logical line: a view of the text, or of `buffer` when it was folded.
    std::string_view next(std::string& buffer) {
        auto line = physical();
        if (!continues()) {
            return line;
        }
        buffer.assign(line);
        while (continues()) {
            ++pos_; // the blank that marks the fold
            buffer.append(physical());
        }
        return buffer;
    }

    struct Mark {
        std::size_t pos;
        std::size_t nextLf;
        int number;
    };
    Mark mark() const { return {pos_, nextLf_, number_}; }
    void reset(Mark mark) {
        pos_ = mark.pos;
        nextLf_ = mark.nextLf;
        number_ = mark.number;
    }

private:
    bool continues() const {
        return pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t');
    }

    std::string_view physical() {
        const auto end = lineEnd();
        const auto line = text_.substr(pos_, end - pos_);
        pos_ = end;
        if (pos_ < text_.size() && text_[pos_] == '\r') {
            ++pos_;
        }
        if (pos_ < text_.size() && text_[pos_] == '\n') {
            ++pos_;
        }
        ++number_;
        return line;
    }

    // Where the line from pos_ ends: two vectorised searches rather than a test of every byte
    // against a set. The next LF is remembered, so that a file of CR alone is not searched to
    // its end for every line.
    std::size_t lineEnd() {
        if (nextLf_ < pos_) {
            nextLf_ = std::min(text_.find('\n', pos_), text_.size());
        }
        const char* start = text_.data() + pos_;
        const auto span = nextLf_ - pos_;
        const auto* cr = static_cast<const char*>(std::memchr(start, '\r', span));
        return pos_ + (cr ? static_cast<std::size_t>(cr - start) : span);
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t nextLf_ = 0;
    int number_ = 0;
};

struct RawParameter {
    std::string_view name; // empty for 2.1's bare form
    std::string_view value;
};

// A content line cut into its parts; no decoding yet.
struct ContentLine {
    std::string_view group;
    std::string_view name;
    std::vector<RawParameter> parameters;
    std::string_view value;
};

// group "." name *(";" parameter) ":" value; a parameter's value may be quoted, and a quoted
// ";" or ":" belongs to it. False when the line has no ":" or no name.
bool splitLine(std::string_view line, ContentLine& out) {
    out.parameters.clear();
    const auto headEnd = static_cast<std::size_t>(
        std::find_if(line.begin(), line.end(), [](char c) { return c == ';' || c == ':'; }) -
        line.begin());
    if (headEnd == line.size()) {
        return false;
    }
    const auto head = trimmed(line.substr(0, headEnd));
    const auto dot = head.rfind('.');
    out.group = dot == std::string_view::npos ? std::string_view() : trimmed(head.substr(0, dot));
    out.name = trimmed(dot == std::string_view::npos ? head : head.substr(dot + 1));
    std::size_t pos = headEnd;
    while (pos < line.size() && line[pos] == ';') {
        const auto start = ++pos;
        bool quoted = false;
        std::size_t equals = std::string_view::npos;
        while (pos < line.size() && (quoted || (line[pos] != ';' && line[pos] != ':'))) {
            if (line[pos] == '=' && equals == std::string_view::npos) {
                equals = pos;
            } else if (line[pos] == '"' && equals != std::string_view::npos) {
                quoted = !quoted;
            }
            ++pos;
        }
        const auto whole = line.substr(start, pos - start);
        if (equals == std::string_view::npos) {
            out.parameters.push_back({{}, trimmed(whole)});
        } else {
            out.parameters.push_back({trimmed(line.substr(start, equals - start)),
                                      line.substr(equals + 1, pos - equals - 1)});
        }
    }
    if (pos >= line.size() || out.name.empty()) {
        return false;
    }
    out.value = line.substr(pos + 1);
    return true;
}

enum class Transfer { plain, quotedPrintable, base64 };

Transfer transferNamed(std::string_view name) {
    if (sameIgnoringCase(name, "QUOTED-PRINTABLE")) {
        return Transfer::quotedPrintable;
    }
    if (sameIgnoringCase(name, "BASE64") || sameIgnoringCase(name, "B")) {
        return Transfer::base64;
    }
    return Transfer::plain;
}

bool isTransferWord(std::string_view word) {
    return transferNamed(word) != Transfer::plain || sameIgnoringCase(word, "8BIT") ||
           sameIgnoringCase(word, "7BIT");
}

// BEGIN:VCARD or END:VCARD, whatever group or parameters the line gives them, so that a card
// never holds a property that would read as its end.
bool isCardBoundary(const ContentLine& line, std::string_view keyword) {
    return sameIgnoringCase(line.name, keyword) && sameIgnoringCase(trimmed(line.value), "VCARD");
}

class Reader {
public:
    Reader(std::string_view text, const std::function<void(const VcardCard&, int)>& take)
        : lines_(text)
        , take_(take) {}

    std::vector<VcardSkip> run() {
        bool anyCard = false;
        while (!lines_.atEnd()) {
            std::optional<int> begin = lines_.nextLineNumber();
            if (!isCardLine(lines_.next(line_), "BEGIN", content_)) {
                continue;
            }
            anyCard = true;
            while (begin) {
                begin = readCard(*begin);
            }
        }
        if (!anyCard) {
            skipped_.push_back({1, "dosyada vCard yok"});
        }
        return std::move(skipped_);
    }

private:
    // From the line after BEGIN:VCARD to END:VCARD. A BEGIN:VCARD before it means the card had
    // no end: it is skipped, and the line of the new card returned.
    std::optional<int> readCard(int beginLine) {
        card_.clear();
        std::string reason;
        bool afterAgent = false; // 2.1 may embed a card as the value of AGENT
        while (!lines_.atEnd()) {
            const int number = lines_.nextLineNumber();
            const auto line = lines_.next(line_);
            const bool parsed = splitLine(line, content_);
            if (parsed && isCardBoundary(content_, "END")) {
                finish(beginLine, reason);
                return std::nullopt;
            }
            if (parsed && isCardBoundary(content_, "BEGIN")) {
                if (afterAgent && reason.empty()) {
                    skipEmbeddedCard();
                    afterAgent = false;
                    continue;
                }
                skipped_.push_back({beginLine, "kartın sonu (END:VCARD) yok"});
                return number;
            }
            if (!reason.empty() || trimmed(line).empty()) {
                continue;
            }
            if (!parsed) {
                reason = std::to_string(number) + ". satır okunamadı";
                continue;
            }
            afterAgent =
                sameIgnoringCase(content_.name, "AGENT") && trimmed(content_.value).empty();
            addProperty();
        }
        skipped_.push_back({beginLine, "kartın sonu (END:VCARD) yok"});
        return std::nullopt;
    }

    static bool isCardLine(std::string_view line, std::string_view keyword, ContentLine& parts) {
        return splitLine(line, parts) && isCardBoundary(parts, keyword);
    }

    void finish(int beginLine, const std::string& reason) {
        if (!reason.empty()) {
            skipped_.push_back({beginLine, reason});
        } else {
            take_(card_, beginLine);
        }
    }

    void skipEmbeddedCard() {
        int depth = 1;
        while (depth > 0 && !lines_.atEnd()) {
            const auto line = lines_.next(continuation_);
            depth += isCardLine(line, "BEGIN", probe_) ? 1
                     : isCardLine(line, "END", probe_) ? -1
                                                       : 0;
        }
    }

    // Decodes the parameters, then the value, and adds the property to the card.
    void addProperty() {
        Transfer transfer = Transfer::plain;
        Charset charset = Charset::automatic;
        parameters_.clear();
        decodedParameters_.clear();
        for (const auto& raw : content_.parameters) {
            if (raw.name.empty() && isTransferWord(raw.value)) {
                transfer = transferNamed(raw.value);
                keepTransfer(transfer, raw.value);
            } else if (sameIgnoringCase(raw.name, "ENCODING")) {
                transfer = transferNamed(raw.value);
                keepTransfer(transfer, raw.value);
            } else if (sameIgnoringCase(raw.name, "CHARSET")) {
                charset = charsetNamed(unquoted(raw.value));
            } else if (raw.name.empty() || sameIgnoringCase(raw.name, "TYPE")) {
                addTypes(raw.value);
            } else {
                parameters_.push_back({raw.name, parameterText(raw.value)});
            }
        }
        if (sameIgnoringCase(content_.name, "VERSION")) {
            card_.setVersion(trimmed(content_.value));
            return;
        }
        const auto raw = readValue(transfer);
        value_.clear();
        appendDecoded(value_, raw, charset);
        if (transfer == Transfer::quotedPrintable) {
            escapeLineBreaks(value_);
        }
        group_.clear();
        if (!content_.group.empty()) {
            appendDecoded(group_, content_.group, Charset::automatic);
        }
        card_.add(group_, content_.name, parameters_, value_);
    }

    // Quoted-printable and the 8- and 7-bit words describe only the transfer; base64 stays
    // with the value it describes.
    void keepTransfer(Transfer transfer, std::string_view word) {
        if (transfer == Transfer::base64) {
            parameters_.push_back({"ENCODING", parameterText(word)});
        }
    }

    void addTypes(std::string_view list) {
        const auto text = parameterText(list);
        std::size_t start = 0;
        while (start <= text.size()) {
            const auto comma = std::min(text.find(',', start), text.size());
            if (const auto type = trimmed(text.substr(start, comma - start)); !type.empty()) {
                parameters_.push_back({"TYPE", type});
            }
            start = comma + 1;
        }
    }

    static std::string_view unquoted(std::string_view text) {
        return text.size() >= 2 && text.front() == '"' && text.back() == '"'
                   ? text.substr(1, text.size() - 2)
                   : text;
    }

    // A parameter value without its quotes, in UTF-8; kept until the property is added.
    std::string_view parameterText(std::string_view raw) {
        if (raw.find('"') == std::string_view::npos && isUtf8(raw)) {
            return raw;
        }
        std::string plain;
        std::copy_if(raw.begin(), raw.end(), std::back_inserter(plain),
                     [](char c) { return c != '"'; });
        auto& decoded = decodedParameters_.emplace_back();
        appendDecoded(decoded, plain, Charset::automatic);
        return decoded;
    }

    // The value's bytes, with the transfer encoding undone. A quoted-printable value whose line
    // ends in "=" goes on in the next line, with or without a leading blank; a base64 value
    // goes on in the lines without a ":" that follow it (2.1 writers indent them or not).
    std::string_view readValue(Transfer transfer) {
        if (transfer == Transfer::plain) {
            return content_.value;
        }
        bytes_.clear();
        if (transfer == Transfer::quotedPrintable) {
            std::string_view value = content_.value;
            if (!value.ends_with('=')) {
                appendQuotedPrintable(bytes_, value);
                return bytes_;
            }
            joined_.assign(value);
            while (joined_.ends_with('=') && !lines_.atEnd()) {
                const auto mark = lines_.mark();
                const auto next = lines_.next(continuation_);
                if (isCardLine(next, "END", probe_) || isCardLine(next, "BEGIN", probe_)) {
                    lines_.reset(mark);
                    break;
                }
                joined_.pop_back();
                joined_.append(next);
            }
            appendQuotedPrintable(bytes_, joined_);
            return bytes_;
        }
        bytes_.assign(content_.value);
        while (!lines_.atEnd()) {
            const auto mark = lines_.mark();
            const auto next = lines_.next(continuation_);
            if (next.find(':') != std::string_view::npos || trimmed(next).empty()) {
                lines_.reset(mark);
                break;
            }
            bytes_.append(trimmed(next));
        }
        return bytes_;
    }

    Lines lines_;
    const std::function<void(const VcardCard&, int)>& take_;
    std::vector<VcardSkip> skipped_;
    VcardCard card_;
    ContentLine content_;
    ContentLine probe_; // a line looked at ahead of the current one
    std::vector<VcardParameter> parameters_;
    std::deque<std::string> decodedParameters_; // stable addresses for the views above
    // The current line when it was folded, the lines a value goes on in, and the value's stages.
    std::string line_, continuation_, joined_, bytes_, value_, group_;
};

} // namespace

std::vector<VcardSkip> readVcards(std::string_view bytes,
                                  const std::function<void(const VcardCard&, int line)>& take) {
    std::string converted;
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    } else if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        converted = utf16ToUtf8(bytes.substr(2), bytes[0] == '\xFE');
        bytes = converted;
    }
    return Reader(bytes, take).run();
}

VcardFile readVcardFile(std::string_view bytes) {
    VcardFile file;
    file.skipped =
        readVcards(bytes, [&](const VcardCard& card, int) { file.cards.push_back(card); });
    return file;
}

} // namespace marunda
