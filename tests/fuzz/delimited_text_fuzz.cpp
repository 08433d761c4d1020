#include "core/delimited_text.h"
#include "fuzz_input.h"

using namespace marunda;

// Any bytes parse without reading past them; strings without quotes or line ends, written as one
// line, read back as the same items.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto text = fuzz::bytes(data, size);
    auto items = readDelimitedItems(text);
    for (const auto& item : items) {
        fuzz::require(item.text.size() <= text.size());
    }

    std::vector<std::string> written;
    std::vector<std::string> plain;
    for (std::size_t start = 0; start <= text.size();) {
        auto end = std::min(text.find('\0', start), text.size());
        auto part = text.substr(start, end - start);
        if (part.find_first_of("\"\r\n") == std::string_view::npos) {
            plain.emplace_back(part);
            written.push_back(quotedItem(part));
        }
        start = end + 1;
    }
    if (plain.empty()) {
        return 0; // an empty line is one empty item, not none
    }
    auto reread = readDelimitedItems(delimitedLine(written));
    fuzz::require(reread.size() == plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        fuzz::require(reread[i].quoted && reread[i].text == plain[i]);
    }
    return 0;
}
