#pragma once

#include "core/contact_record.h"
#include "core/export.h"
#include "core/vcard_card.h"

#include <string>
#include <string_view>
#include <vector>

// The one place where a vCard becomes a contact record and a record a vCard.
//
// Card -> record: the name from FN, else N (prefix, given, additional, family, suffix), else ORG;
// TEL into Telefon 1-3 in file order with the preferred ones first, a FAX type into Fax; EMAIL
// into E-mail 1-3; ADR's parts joined by ", " into Adres; BDAY into the birthday text; NOTE into
// Notlar; URL into Internet; ICQ numbers (IMPP icq:, X-ICQ) into Icq 1-2; our own X- properties
// into the tax fields. What has no field (a fourth phone, ORG, TITLE, ROLE, NICKNAME, other
// IMPP) and the whole of a value cut to its field go into Notlar, each on a line of its own with
// its label, as far as Notlar has room. Every loss is told in a remark.
namespace marunda {

inline constexpr std::string_view kTaxOfficeProperty = "X-MARUNDA-VERGI-DAIRESI";
inline constexpr std::string_view kTaxNumberProperty = "X-MARUNDA-VERGI-NO";
// A birthday text that is none of the three forms the record form writes, kept as it is.
inline constexpr std::string_view kBirthdayTextProperty = "X-MARUNDA-DOGUMGUNU";

enum class RemarkKind {
    movedToNotes,    // a value without a field of its own is in Notlar
    cutWholeInNotes, // cut to its field; the whole value is in Notlar as well
    cut,             // cut to its field; the rest is lost
    lost,            // no room anywhere: not imported
    unstorable,      // characters that code page 1254 cannot hold, stored as "?"
    duplicate,       // the contact is in the book already, or earlier in the same files
};

struct ContactRemark {
    RemarkKind kind;
    std::string subject; // the label ("Telefon 4", "Kurum"), or the characters
    std::string value;   // what was moved, cut or lost (empty for the others)

    bool operator==(const ContactRemark&) const = default;
};

// The remark as the import window shows it, in Turkish.
MARUNDA_CORE_EXPORT std::string remarkText(const ContactRemark& remark);
// Something of the card that the book will not hold.
MARUNDA_CORE_EXPORT bool isLoss(RemarkKind kind);

struct MARUNDA_CORE_EXPORT ImportedContact {
    ContactRecord record; // as it will be stored, "?" in place of what cannot be
    std::vector<ContactRemark> remarks;

    bool storable() const; // every character fits code page 1254
};

MARUNDA_CORE_EXPORT ImportedContact contactFromVcard(const VcardCard& card);

// Every non-empty field; the card holds no version (the writer writes 3.0).
MARUNDA_CORE_EXPORT VcardCard vcardFromContact(const ContactRecord& record);
// The same into a card that is cleared first, so that its buffers serve a whole book.
MARUNDA_CORE_EXPORT void vcardFromContact(const ContactRecord& record, VcardCard& card);
// The buffers that the properties of one card after another are made in, so that a whole book is
// written without an allocation a field.
struct VcardScratch {
    std::string decoded;
    std::string value;
};
// The properties of the card of a record's 1020 bytes as telefon.dat holds them, handed to `sink`
// in order; the bytes may lie in a whole book read at once, with no record made of them.
MARUNDA_CORE_EXPORT void vcardPropertiesOf(std::string_view recordBytes, VcardSink& sink,
                                           VcardScratch& scratch);

} // namespace marunda
