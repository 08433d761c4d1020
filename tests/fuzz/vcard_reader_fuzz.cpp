#include "core/cp1254.h"
#include "core/vcard_mapping.h"
#include "core/vcard_reader.h"
#include "core/vcard_writer.h"
#include "fuzz_input.h"

using namespace marunda;

namespace {

// Lines of CR LF, each at most 75 octets; when the whole is UTF-8, no fold splits a character.
bool foldedWhole(std::string_view file) {
    const bool utf8 = isUtf8(file);
    while (!file.empty()) {
        const auto end = file.find("\r\n");
        if (end == std::string_view::npos || end > kVcardLineOctets ||
            (utf8 && !isUtf8(file.substr(0, end)))) {
            return false;
        }
        file.remove_prefix(end + 2);
    }
    return true;
}

VcardCard readOne(std::string_view file) {
    auto read = readVcardFile(file);
    fuzz::require(read.skipped.empty() && read.cards.size() == 1);
    return read.cards.front();
}

ContactRecord throughVcard(const ContactRecord& record) {
    std::string file;
    appendVcard(file, vcardFromContact(record));
    return contactFromVcard(readOne(file)).record;
}

// A line break other than CR LF, which vCard cannot tell apart from CR LF.
bool hasBareLineEnd(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const bool lone = bytes[i] == '\r'   ? i + 1 == bytes.size() || bytes[i + 1] != '\n'
                          : bytes[i] == '\n' ? i == 0 || bytes[i - 1] != '\r'
                                             : false;
        if (lone) {
            return true;
        }
    }
    return false;
}

} // namespace

// Any file reads without reading past it. Every card read, written again, reads back as the
// same card, in folded lines of whole characters; the record it becomes goes out as a vCard and
// comes back byte for byte unless it holds a line break other than CR LF.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    (void)readVcards(fuzz::bytes(data, size), [](const VcardCard& card, int) {
        std::string written;
        appendVcard(written, card);
        fuzz::require(foldedWhole(written));
        auto expected = card;
        expected.setVersion("3.0");
        fuzz::require(readOne(written) == expected);

        const auto record = contactFromVcard(card).record;
        if (!hasBareLineEnd(record.bytes())) {
            fuzz::require(throughVcard(record) == record);
        }
    });
    return 0;
}
