#pragma once

#include "core/export.h"
#include "core/vcard_card.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Reading vCard files of versions 2.1, 3.0 and 4.0 as phones and address books write them:
// several cards a file; CR LF, LF or CR line ends; folded lines, also where a fold splits a UTF-8
// character; quoted-printable values with soft line breaks, also when the continuation has no
// leading blank; CHARSET UTF-8, ISO-8859-9, ISO-8859-1, WINDOWS-1254 or US-ASCII; a byte-order
// mark (UTF-8 or UTF-16); groups; 2.1's bare parameters (TEL;CELL;PREF) and 3.0/4.0's
// TYPE=a,b lists. A value without a character set is UTF-8 when it is well formed and code page
// 1254 otherwise, whatever the version. Unknown and huge properties are kept as they are.
namespace marunda {

// A card that could not be read, with the line where it began; the cards after it are read.
struct VcardSkip {
    int line = 0;       // 1-based
    std::string reason; // Turkish, for the user

    bool operator==(const VcardSkip&) const = default;
};

// Hands every readable card to `take`, in file order (the card is reused for the next one: copy
// what must be kept), and returns the cards that could not be read. A file without any card
// gives one skip at line 1.
MARUNDA_CORE_EXPORT std::vector<VcardSkip>
readVcards(std::string_view bytes, const std::function<void(const VcardCard&, int line)>& take);

struct VcardFile {
    std::vector<VcardCard> cards;
    std::vector<VcardSkip> skipped;
};
MARUNDA_CORE_EXPORT VcardFile readVcardFile(std::string_view bytes);

} // namespace marunda
