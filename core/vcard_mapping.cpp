#include "core/vcard_mapping.h"

#include "core/birthday_text.h"
#include "core/cp1254.h"
#include "core/listing.h"
#include "core/text_rules.h"
#include "core/vcard_date.h"

#include <algorithm>
#include <charconv>

namespace marunda {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

// A text's length in code page 1254, one byte a character.
std::size_t characters(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// The first `count` characters of a UTF-8 text.
std::string_view firstCharacters(std::string_view utf8, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80 && seen++ == count) {
            return utf8.substr(0, i);
        }
    }
    return utf8;
}

bool isBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// A kind of value and the fields it fills in turn; further values are told by their number.
struct Slot {
    std::string_view label; // "Telefon": the fourth phone is "Telefon 4:"
    std::vector<Field> fields;
};

const Slot kNameSlot{"İsim", {Field::name}};
const Slot kPhoneSlot{"Telefon", {Field::phone1, Field::phone2, Field::phone3}};
const Slot kFaxSlot{"Fax", {Field::fax}};
const Slot kAddressSlot{"Adres", {Field::address}};
const Slot kBirthdaySlot{"Doğumgünü", {Field::birthday}};
const Slot kEmailSlot{"E-mail", {Field::email1, Field::email2, Field::email3}};
const Slot kIcqSlot{"Icq", {Field::icq1, Field::icq2}};
const Slot kInternetSlot{"Internet", {Field::internet}};
const Slot kTaxOfficeSlot{"Vergi Dairesi", {Field::taxOffice}};
const Slot kTaxNumberSlot{"Vergi No", {Field::taxNumber}};

// The label of the n-th value (1-based) with its colon: the field's own while there is one.
std::string labelOf(const Slot& slot, std::size_t n) {
    if (n <= slot.fields.size()) {
        return std::string(listingLabel(slot.fields[n - 1]));
    }
    return std::string(slot.label) + " " + std::to_string(n) + ":";
}

std::string withoutColon(std::string_view label) {
    return std::string(label.ends_with(':') ? label.substr(0, label.size() - 1) : label);
}

// Fills the record and collects what goes to Notlar, then tells what became of everything.
class RecordBuilder {
public:
    void fill(const Slot& slot, const std::vector<std::string>& values) {
        for (std::size_t n = 1; n <= values.size(); ++n) {
            if (n <= slot.fields.size()) {
                store(slot.fields[n - 1], values[n - 1], labelOf(slot, n));
            } else {
                aside(labelOf(slot, n), values[n - 1]);
            }
        }
    }

    void store(Field field, std::string_view value, std::string label) {
        const auto kept = firstCharacters(value, fieldWidth(field));
        contact_.record.setText(field, kept);
        noteUnstorable(kept);
        if (kept.size() < value.size()) {
            asides_.push_back({std::move(label), std::string(value), true});
        }
    }

    void aside(std::string label, std::string_view value) {
        asides_.push_back({std::move(label), std::string(value), false});
    }

    ImportedContact finish(std::string_view notes) {
        const auto room = fieldWidth(Field::notes);
        std::string stored(firstCharacters(notes, room));
        if (stored.size() < notes.size()) {
            contact_.remarks.push_back({RemarkKind::cut, "Notlar", std::string(notes)});
        }
        auto used = characters(stored);
        for (auto& item : asides_) {
            const auto line = item.label + " " + item.value;
            const auto need = characters(line) + (stored.empty() ? 0 : kLineBreak.size());
            const bool fits = used + need <= room;
            if (fits) {
                stored.append(stored.empty() ? "" : kLineBreak).append(line);
                used += need;
            }
            const auto kind = item.cut ? (fits ? RemarkKind::cutWholeInNotes : RemarkKind::cut)
                                       : (fits ? RemarkKind::movedToNotes : RemarkKind::lost);
            contact_.remarks.push_back({kind, withoutColon(item.label), std::move(item.value)});
        }
        contact_.record.setText(Field::notes, stored);
        noteUnstorable(stored);
        if (!unstorable_.empty()) {
            contact_.remarks.push_back({RemarkKind::unstorable, unstorable_, {}});
        }
        return std::move(contact_);
    }

private:
    struct Aside {
        std::string label;
        std::string value;
        bool cut; // the whole of a value cut to its field
    };

    // Each character once, blank-separated, in the order met.
    void noteUnstorable(std::string_view text) {
        if (fitsCp1254(text)) {
            return;
        }
        for (const char32_t ch : utf8ToUtf32(text)) {
            std::string one;
            appendUtf8(one, ch);
            if (!unicodeToCp1254(ch) && unstorable_.find(one) == std::string::npos) {
                unstorable_.append(unstorable_.empty() ? "" : " ").append(one);
            }
        }
    }

    ImportedContact contact_;
    std::vector<Aside> asides_;
    std::string unstorable_;
};

// The non-empty parts of a structured value joined, in the order given (all, in their own order,
// when none is given).
std::string joinedParts(std::string_view value, std::string_view separator,
                        std::initializer_list<std::size_t> order = {}) {
    const auto parts = vcardComponents(value);
    std::string out;
    const auto take = [&](std::size_t k) {
        if (k < parts.size() && !isBlank(parts[k])) {
            out.append(out.empty() ? "" : separator).append(parts[k]);
        }
    };
    if (order.size() == 0) {
        for (std::size_t k = 0; k < parts.size(); ++k) {
            take(k);
        }
    }
    std::for_each(order.begin(), order.end(), take);
    return out;
}

// A phone number; a tel: URI (4.0, or VALUE=uri) loses its scheme and says its extension.
std::string phoneText(const VcardProperty& property, std::string_view version) {
    const auto value = property.value();
    const auto valueType = property.parameterValue("VALUE");
    const bool uri = (valueType && sameIgnoringCase(*valueType, "uri")) || version == "4.0";
    if (!uri || !startsIgnoringCase(value, "tel:")) {
        return unescapeVcardText(value);
    }
    auto number = value.substr(4);
    std::string extension;
    if (const auto semicolon = number.find(';'); semicolon != std::string_view::npos) {
        for (const auto& part : vcardComponents(number.substr(semicolon + 1))) {
            if (startsIgnoringCase(part, "ext=")) {
                extension = part.substr(4);
            }
        }
        number = number.substr(0, semicolon);
    }
    return std::string(number) + (extension.empty() ? "" : " dahili " + extension);
}

// Preferred first (4.0's PREF=1..100, lower first; 3.0's and 2.1's TYPE=PREF as 1).
int preference(const VcardProperty& property) {
    if (const auto pref = property.parameterValue("PREF")) {
        int value = 1;
        std::from_chars(pref->data(), pref->data() + pref->size(), value);
        return value;
    }
    return property.hasType("PREF") ? 1 : 101;
}

// The ICQ number of an IMPP value (icq:123, or Apple's aim:123 with X-SERVICE-TYPE=ICQ).
std::optional<std::string> icqNumber(const VcardProperty& property) {
    const auto value = unescapeVcardText(property.value());
    const auto service = property.parameterValue("X-SERVICE-TYPE");
    const auto colon = value.find(':');
    if (startsIgnoringCase(value, "icq:") || (service && sameIgnoringCase(*service, "ICQ"))) {
        return colon == std::string::npos ? value : value.substr(colon + 1);
    }
    return std::nullopt;
}

struct Ranked {
    int rank;
    std::string text;
};

std::vector<std::string> byPreference(std::vector<Ranked> values) {
    std::stable_sort(values.begin(), values.end(),
                     [](const Ranked& a, const Ranked& b) { return a.rank < b.rank; });
    std::vector<std::string> texts;
    for (auto& value : values) {
        texts.push_back(std::move(value.text));
    }
    return texts;
}

// What a card holds, sorted by where it goes.
struct Gathered {
    std::vector<std::string> names, emails, addresses, urls, icqs, taxOffices, taxNumbers;
    std::vector<Ranked> phones, faxes;
    std::string structuredName;
    std::vector<std::string> organisations;
    std::vector<std::pair<std::string, std::string>> birthdays; // value, year to omit
    std::vector<std::string> birthdayTexts;
    std::vector<std::string> notes;
    std::vector<std::pair<std::string, std::string>> extras; // label, text
};

// The properties whose text goes where it is, unchanged.
const std::pair<std::string_view, std::vector<std::string> Gathered::*> kPlainTexts[] = {
    {"FN", &Gathered::names},
    {"EMAIL", &Gathered::emails},
    {"NOTE", &Gathered::notes},
    {"URL", &Gathered::urls},
    {"X-ICQ", &Gathered::icqs},
    {kTaxOfficeProperty, &Gathered::taxOffices},
    {kTaxNumberProperty, &Gathered::taxNumbers},
    {kBirthdayTextProperty, &Gathered::birthdayTexts},
};

// The properties without a field, with their labels in Notlar.
const std::pair<std::string_view, const char*> kLabelled[] = {
    {"TITLE", "Ünvan:"},
    {"ROLE", "Görev:"},
    {"NICKNAME", "Takma ad:"},
};

void add(std::vector<std::string>& to, std::string value) {
    if (!isBlank(value)) {
        to.push_back(std::move(value));
    }
}

// The properties that need more than their text.
void gatherSpecial(Gathered& g, const VcardProperty& p, std::string_view version) {
    const auto name = p.name();
    if (name == "N" && g.structuredName.empty()) {
        g.structuredName = joinedParts(p.value(), " ", {3, 1, 2, 0, 4});
    } else if (name == "ORG") {
        add(g.organisations, joinedParts(p.value(), ", "));
    } else if (name == "ADR") {
        add(g.addresses, joinedParts(p.value(), ", "));
    } else if (name == "TEL") {
        if (auto phone = phoneText(p, version); !isBlank(phone)) {
            (p.hasType("FAX") ? g.faxes : g.phones).push_back({preference(p), std::move(phone)});
        }
    } else if (name == "BDAY" && !isBlank(p.value())) {
        g.birthdays.emplace_back(unescapeVcardText(p.value()),
                                 p.parameterValue("X-APPLE-OMIT-YEAR").value_or(""));
    } else if (name == "IMPP") {
        if (auto icq = icqNumber(p)) {
            add(g.icqs, *icq);
        } else if (auto text = unescapeVcardText(p.value()); !isBlank(text)) {
            g.extras.emplace_back("Anlık ileti:", std::move(text));
        }
    }
}

Gathered gather(const VcardCard& card) {
    Gathered g;
    for (std::size_t k = 0; k < card.size(); ++k) {
        const auto p = card[k];
        const auto plain =
            std::ranges::find(kPlainTexts, p.name(), [](auto& e) { return e.first; });
        const auto labelled =
            std::ranges::find(kLabelled, p.name(), [](auto& e) { return e.first; });
        if (plain != std::end(kPlainTexts)) {
            add(g.*(plain->second), unescapeVcardText(p.value()));
        } else if (labelled != std::end(kLabelled)) {
            if (auto text = unescapeVcardText(p.value()); !isBlank(text)) {
                g.extras.emplace_back(labelled->second, std::move(text));
            }
        } else {
            gatherSpecial(g, p, card.version());
        }
    }
    return g;
}

bool inRange(const std::optional<int>& part, int low, int high) {
    return part && *part >= low && *part <= high;
}

// A BDAY as the record's text, or nothing when it names no day and month; a year that the
// record form does not offer is dropped (and told) unless it is Apple's mark of no year.
std::optional<std::string> birthdayText(const std::string& value, const std::string& omittedYear,
                                        bool& yearDropped) {
    auto date = parseVcardDate(value);
    if (!date || !inRange(date->day, 1, 31) || !inRange(date->month, 1, 12)) {
        return std::nullopt;
    }
    if (date->year && !omittedYear.empty() && std::to_string(*date->year) == omittedYear) {
        date->year.reset();
    } else if (date->year && !inRange(date->year, kFirstBirthYear, kLastBirthYear)) {
        date->year.reset();
        yearDropped = true;
    }
    return composeBirthday(*date);
}

void fillBirthday(RecordBuilder& builder, const Gathered& g) {
    std::vector<std::string> texts;
    for (const auto& [value, omittedYear] : g.birthdays) {
        bool yearDropped = false;
        auto text = birthdayText(value, omittedYear, yearDropped);
        // What the field cannot hold whole goes to Notlar as the card wrote it.
        if (!text || yearDropped) {
            builder.aside(labelOf(kBirthdaySlot, 1), value);
        }
        if (text) {
            texts.push_back(std::move(*text));
        }
    }
    texts.insert(texts.end(), g.birthdayTexts.begin(), g.birthdayTexts.end());
    builder.fill(kBirthdaySlot, texts);
}

} // namespace

std::string remarkText(const ContactRemark& remark) {
    switch (remark.kind) {
    case RemarkKind::movedToNotes:
        return remark.subject + " Notlar'a yazıldı";
    case RemarkKind::cutWholeInNotes:
        return remark.subject + " kısaltıldı, tamamı Notlar'da";
    case RemarkKind::cut:
        return remark.subject + " kısaltıldı";
    case RemarkKind::lost:
        return remark.subject + " sığmadı, alınmayacak";
    case RemarkKind::unstorable:
        return "saklanamayan harfler: " + remark.subject + " (? olarak kaydedilir)";
    case RemarkKind::duplicate:
        return "zaten var";
    }
    return {};
}

bool isLoss(RemarkKind kind) {
    return kind == RemarkKind::cut || kind == RemarkKind::lost;
}

bool ImportedContact::storable() const {
    return std::none_of(remarks.begin(), remarks.end(), [](const ContactRemark& remark) {
        return remark.kind == RemarkKind::unstorable;
    });
}

ImportedContact contactFromVcard(const VcardCard& card) {
    auto g = gather(card);
    if (g.names.empty() && !isBlank(g.structuredName)) {
        g.names.push_back(g.structuredName);
    } else if (g.names.empty() && !g.organisations.empty()) {
        g.names.push_back(g.organisations.front());
        g.organisations.erase(g.organisations.begin());
    }
    RecordBuilder builder;
    builder.fill(kNameSlot, g.names);
    builder.fill(kPhoneSlot, byPreference(std::move(g.phones)));
    builder.fill(kFaxSlot, byPreference(std::move(g.faxes)));
    builder.fill(kAddressSlot, g.addresses);
    fillBirthday(builder, g);
    builder.fill(kEmailSlot, g.emails);
    builder.fill(kIcqSlot, g.icqs);
    builder.fill(kInternetSlot, g.urls);
    builder.fill(kTaxOfficeSlot, g.taxOffices);
    builder.fill(kTaxNumberSlot, g.taxNumbers);
    for (const auto& organisation : g.organisations) {
        builder.aside("Kurum:", organisation);
    }
    for (const auto& [label, text] : g.extras) {
        builder.aside(label, text);
    }
    std::string notes;
    for (const auto& note : g.notes) {
        notes.append(notes.empty() ? "" : kLineBreak).append(note);
    }
    return builder.finish(notes);
}

VcardCard vcardFromContact(const ContactRecord& record) {
    VcardCard card;
    vcardFromContact(record, card);
    return card;
}

void vcardFromContact(const ContactRecord& record, VcardCard& card) {
    card.clear();
    VcardScratch scratch;
    vcardPropertiesOf(record.bytes(), card, scratch);
}

void vcardPropertiesOf(std::string_view recordBytes, VcardSink& card, VcardScratch& scratch) {
    std::string& decoded = scratch.decoded;
    std::string& value = scratch.value;
    const auto text = [&](Field field) -> std::string_view {
        const auto& layout = layoutOf(field);
        return decodeCp1254(trailingBlanksCut(recordBytes.substr(layout.offset, layout.width)),
                            decoded);
    };
    const auto escaped = [&](std::string_view before, std::string_view t, std::string_view after) {
        value.assign(before);
        appendEscapedVcardText(value, t);
        value.append(after);
        return std::string_view(value);
    };
    const auto name = text(Field::name);
    const auto lastBlank = name.rfind(' ');
    const auto family =
        lastBlank == std::string::npos ? std::string_view() : name.substr(lastBlank + 1);
    const auto given = lastBlank == std::string::npos ? name : name.substr(0, lastBlank);
    card.add({}, "FN", {}, escaped({}, name, {}));
    value.clear();
    appendEscapedVcardText(value, family);
    value += ';';
    appendEscapedVcardText(value, given);
    value.append(";;;");
    card.add({}, "N", {}, value);
    const auto add = [&](std::string_view property, std::initializer_list<VcardParameter> params,
                         Field field, std::string_view before = {}, std::string_view after = {}) {
        if (const auto t = text(field); !t.empty()) {
            card.add({}, property, params, escaped(before, t, after));
        }
    };
    for (const auto field : {Field::phone1, Field::phone2, Field::phone3}) {
        add("TEL", {{"TYPE", "VOICE"}}, field);
    }
    add("TEL", {{"TYPE", "FAX"}}, Field::fax);
    add("ADR", {}, Field::address, ";;", ";;;;");
    const auto birthday = std::string(text(Field::birthday));
    const auto choice = parseBirthday(birthday);
    if (!birthday.empty() && composeBirthday(choice) == birthday) {
        card.add({}, "BDAY", {}, vcardDate(choice));
    } else {
        add(kBirthdayTextProperty, {}, Field::birthday);
    }
    add("NOTE", {}, Field::notes);
    for (const auto field : {Field::email1, Field::email2, Field::email3}) {
        add("EMAIL", {{"TYPE", "INTERNET"}}, field);
    }
    for (const auto field : {Field::icq1, Field::icq2}) {
        add("X-ICQ", {}, field);
    }
    add("URL", {}, Field::internet);
    add(kTaxOfficeProperty, {}, Field::taxOffice);
    add(kTaxNumberProperty, {}, Field::taxNumber);
}

} // namespace marunda
