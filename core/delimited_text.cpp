#include "core/delimited_text.h"

#include <algorithm>

namespace marunda {
namespace {

class Reader {
public:
    explicit Reader(std::string_view text)
        : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    DelimitedItem next() {
        skipBlanks();
        DelimitedItem item;
        if (!atEnd() && text_[pos_] == '"') {
            item.quoted = true;
            const auto close = text_.find('"', pos_ + 1);
            const auto end = close == std::string_view::npos ? text_.size() : close;
            item.text = text_.substr(pos_ + 1, end - pos_ - 1);
            pos_ = close == std::string_view::npos ? text_.size() : close + 1;
            skipTo(",\r\n"); // whatever stands between the closing quote and the separator
        } else {
            const auto start = pos_;
            skipTo(",\r\n");
            item.text = trimRight(text_.substr(start, pos_ - start));
        }
        skipSeparator();
        return item;
    }

private:
    static std::string trimRight(std::string_view s) {
        while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) {
            s.remove_suffix(1);
        }
        return std::string(s);
    }

    void skipBlanks() {
        while (!atEnd() && (text_[pos_] == ' ' || text_[pos_] == '\t')) {
            ++pos_;
        }
    }

    void skipTo(std::string_view stops) {
        const auto found = text_.find_first_of(stops, pos_);
        pos_ = found == std::string_view::npos ? text_.size() : found;
    }

    void skipSeparator() {
        if (atEnd()) {
            return;
        }
        if (text_[pos_] == ',') {
            ++pos_;
            return;
        }
        if (text_[pos_] == '\r') {
            ++pos_;
        }
        if (!atEnd() && text_[pos_] == '\n') {
            ++pos_;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

std::vector<DelimitedItem> readDelimitedItems(std::string_view text, std::size_t maxItems) {
    std::vector<DelimitedItem> items;
    Reader reader(text);
    while (items.size() < maxItems && !reader.atEnd()) {
        items.push_back(reader.next());
    }
    return items;
}

Result<std::vector<std::string>> readDelimited(std::string_view text, std::size_t count) {
    auto items = readDelimitedItems(text, count);
    if (items.size() < count) {
        return makeError(ErrorCode::fewerItems,
                         std::to_string(items.size()) + " of " + std::to_string(count));
    }
    std::vector<std::string> texts;
    texts.reserve(items.size());
    for (auto& item : items) {
        texts.push_back(std::move(item.text));
    }
    return texts;
}

std::string logFolderItem(std::string_view text) {
    std::string_view line = text.substr(0, std::min(text.find_first_of("\r\n"), text.size()));
    const auto start = line.find_first_not_of(" \t");
    line = start == std::string_view::npos ? std::string_view{} : line.substr(start);
    if (line.starts_with('"')) {
        const auto items = readDelimitedItems(line, 1);
        return items.empty() ? std::string{} : items[0].text;
    }
    return std::string(line.substr(0, line.find_last_not_of(" \t") + 1));
}

std::string quotedItem(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string delimitedLine(const std::vector<std::string>& items) {
    std::string line;
    for (std::size_t i = 0; i < items.size(); ++i) {
        line += (i ? "," : "") + items[i];
    }
    return line + "\r\n";
}

} // namespace marunda
