// The import as the user meets it: what the preview says of each card, the all-or-nothing
// commit, and a book that goes out as vCards and comes back byte for byte.
#include "core/contact_import.h"
#include "core/cp1254.h"
#include "core/file_name.h"
#include "core/import_preview.h"
#include "core/vcard_export.h"
#include "core/vcard_mapping.h"
#include "core/vcard_reader.h"
#include "core/vcard_writer.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace marunda;

namespace {

ContactRecord contact(const std::string& name, const std::string& phone = {}) {
    ContactRecord record;
    record.setText(Field::name, name);
    record.setText(Field::phone1, phone);
    return record;
}

std::string card(std::initializer_list<std::string_view> properties) {
    std::string out = "BEGIN:VCARD\r\nVERSION:3.0\r\n";
    for (const auto property : properties) {
        out.append(property).append("\r\n");
    }
    return out + "END:VCARD\r\n";
}

std::string bookOf(const std::vector<ContactRecord>& records) {
    std::string bytes;
    for (const auto& record : records) {
        bytes += record.bytes();
    }
    return bytes;
}

struct Shown {
    std::vector<std::string> remarks;
    bool ticked;
};

struct PreviewCase {
    const char* what;
    std::vector<std::string> files;
    std::vector<Shown> entries;
};

std::vector<PreviewCase> previewCases() {
    const std::string longNote = "NOTE:" + std::string(400, 'n');
    const std::string longAddress = "ADR:;;" + std::string(345, 'a') + ";;;;";
    return {
        {"The book's contact in capitals, its phone written another way",
         {card({"FN:AYŞE ÖZTÜRK", "TEL:+90 (532) 111 22 33"})},
         {{{"zaten var"}, false}}},
        {"The same name with another phone",
         {card({"FN:Ayşe Öztürk", "TEL:0533 000 00 00"})},
         {{{}, true}}},
        {"The same contact in two files",
         {card({"FN:Cem", "TEL:0555 1"}), card({"FN:cem", "TEL:05551"})},
         {{{}, true}, {{"zaten var"}, false}}},
        {"Without phones, by the name alone", {card({"FN:IRMAK"})}, {{{"zaten var"}, false}}},
        {"Five phones, an organisation and a title",
         {card({"FN:Deniz", "TEL:1", "TEL:2", "TEL:3", "TEL:4", "TEL:5", "ORG:Acme;Satış",
                "TITLE:Müdür"})},
         {{{"Telefon 4 Notlar'a yazıldı", "Telefon 5 Notlar'a yazıldı", "Kurum Notlar'a yazıldı",
            "Ünvan Notlar'a yazıldı"},
           true}}},
        {"A name longer than its field",
         {card({"FN:" + std::string(60, 'x')})},
         {{{"İsim kısaltıldı, tamamı Notlar'da"}, true}}},
        {"A note longer than Notlar leaves no room for the title",
         {card({"FN:Ece", longNote, "TITLE:Şef"})},
         {{{"Notlar kısaltıldı", "Ünvan sığmadı, alınmayacak"}, true}}},
        {"An address whose whole does not fit in Notlar either",
         {card({"FN:Efe", longAddress})},
         {{{"Adres kısaltıldı"}, true}}},
        {"A birthday without a day",
         {card({"FN:Gül", "BDAY:1970-12"})},
         {{{"Doğumgünü Notlar'a yazıldı"}, true}}},
        {"Characters that code page 1254 cannot hold",
         {card({"FN:Ayla 😀", "NOTE:✓ tamam 😀"})},
         {{{"saklanamayan harfler: 😀 ✓ (? olarak kaydedilir)"}, false}}},
    };
}

} // namespace

TEST(ImportPreview, TellsWhatBecomesOfEveryCardAndTicksOnlyNewStorableOnes) {
    BookImage book(bookOf({contact("Ayşe Öztürk", "0532 111 22 33"), contact("Irmak")}));
    for (const auto& test : previewCases()) {
        SCOPED_TRACE(test.what);
        const std::vector<std::string_view> files(test.files.begin(), test.files.end());
        const auto preview = previewImport(book, files);
        EXPECT_EQ(preview.room, kMaxPage - 1 - 2);
        EXPECT_TRUE(preview.skipped.empty());
        ASSERT_EQ(preview.entries.size(), test.entries.size());
        for (std::size_t k = 0; k < test.entries.size(); ++k) {
            std::vector<std::string> remarks;
            for (const auto& remark : preview.entries[k].contact.remarks) {
                remarks.push_back(remarkText(remark));
            }
            EXPECT_EQ(remarks, test.entries[k].remarks);
            EXPECT_EQ(preview.entries[k].ticked, test.entries[k].ticked);
        }
    }
    // What cannot be stored reads "?", as the user was told.
    const std::string_view emoji[] = {"BEGIN:VCARD\r\nFN:Ayla 😀\r\nEND:VCARD\r\n"};
    EXPECT_EQ(previewImport(book, emoji).entries[0].contact.record.text(Field::name).substr(0, 7),
              "Ayla ? ");
}

TEST(AddContacts, AddsAllAfterTheLastRecordOrRefusesBeforeWriting) {
    TempFolder dir;
    const RecordStore store(dir.path());
    dir.write("telefon.dat", bookOf({contact("Ayşe")}) + "yırtık");
    dir.write("bilgi.dat", "2,\"17\"\r\n");
    // A torn last record is kept, completed with blanks.
    const std::vector<ContactRecord> two{contact("Bora"), contact("Cem")};
    ASSERT_EQ(addContacts(store, two).value(), 3);
    auto torn = std::string("yırtık");
    torn.resize(kRecordSize, ' ');
    EXPECT_EQ(dir.read("telefon.dat"),
              bookOf({contact("Ayşe")}) + torn + bookOf({contact("Bora"), contact("Cem")}));
    EXPECT_EQ(dir.read("bilgi.dat"), "5,\"17\"\r\n");

    // One place left: two are refused, and the detail says how many fit.
    std::filesystem::resize_file(dir / "telefon.dat", (kMaxPage - 3) * kRecordSize + 1);
    const auto written = std::filesystem::last_write_time(dir / "telefon.dat");
    const auto refused = addContacts(store, two);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error().code, ErrorCode::bookFull);
    EXPECT_EQ(refused.error().detail, "1");
    EXPECT_EQ(std::filesystem::last_write_time(dir / "telefon.dat"), written);
    EXPECT_EQ(dir.read("bilgi.dat"), "5,\"17\"\r\n");
}

namespace {

// Text that fills `width` characters from a cycle of awkward ones: Turkish letters (two bytes in
// UTF-8, so that folds meet them), the separators vCard escapes, blanks.
std::string filled(std::size_t width, int seed, std::string_view extra = {}) {
    static const std::u32string cycle = U"ğüşıöçĞÜŞİÖÇ,;\\:a b\"€";
    std::u32string text = utf8ToUtf32(extra);
    for (std::size_t k = 0; text.size() < width; ++k) {
        text += cycle[(k * 7 + static_cast<std::size_t>(seed)) % cycle.size()];
    }
    auto out = utf32ToUtf8(text.substr(0, width));
    out.back() = 'z'; // a trailing blank would be the field's padding
    return out;
}

// Records with every field at its full width or shorter, as the record form writes them.
std::vector<ContactRecord> variedBook() {
    const char* const birthdays[] = {"7/12/1970", "31/1/----", "", "29/2/2000", "07.12.1970"};
    std::vector<ContactRecord> book;
    for (int i = 0; i < 60; ++i) {
        ContactRecord record;
        for (const auto& layout : kFieldLayout) {
            const auto width = i % 3 == 0 ? layout.width : layout.width / 3 + 1;
            const auto breaks = layout.field == Field::notes || layout.field == Field::address;
            record.setText(layout.field, filled(width, i, breaks ? "satır\r\nsatır " : ""));
        }
        record.setText(Field::birthday, birthdays[i % 5]);
        if (i % 4 == 1) {
            record.setText(Field::name, "Tek");
            record.setText(Field::phone3, "");
        }
        book.push_back(record);
    }
    book.push_back(ContactRecord{});
    return book;
}

bool linesAreFoldedWhole(const std::string& file) {
    std::size_t start = 0;
    while (start < file.size()) {
        const auto end = file.find("\r\n", start);
        const auto line = std::string_view(file).substr(start, end - start);
        if (end == std::string::npos || line.size() > 75 || !isUtf8(line) ||
            line.find('\n') != std::string_view::npos) {
            return false;
        }
        start = end + 2;
    }
    return true;
}

} // namespace

TEST(VcardRoundTrip, AFullBookGoesOutAndComesBackByteForByte) {
    TempFolder from;
    TempFolder into;
    const auto book = variedBook();
    from.write("telefon.dat", bookOf(book));
    std::vector<int> pages;
    for (int page = 1; page <= static_cast<int>(book.size()); ++page) {
        pages.push_back(page);
    }
    const auto target = vcardTarget(pathText(from.path()), "Rehber.VCF");
    ASSERT_TRUE(isVcardFileName("Rehber.VCF"));
    ASSERT_TRUE(exportVcards(RecordStore(from.path()), pages, target));
    EXPECT_TRUE(linesAreFoldedWhole(from.read("Rehber.VCF")));

    const RecordStore empty(into.path());
    const std::filesystem::path files[] = {target};
    const auto preview = previewImportFiles(empty, files).value();
    EXPECT_TRUE(preview.skipped.empty());
    std::vector<ContactRecord> records;
    for (const auto& entry : preview.entries) {
        for (const auto& remark : entry.contact.remarks) {
            EXPECT_EQ(remark.kind, RemarkKind::duplicate) << remarkText(remark);
        }
        records.push_back(entry.contact.record);
    }
    ASSERT_TRUE(addContacts(empty, records));
    EXPECT_EQ(into.read("telefon.dat"), bookOf(book));

    // What vCard cannot say: which of the three phones a number was, and a line break that is
    // not CR LF. The gap closes, and the break comes back as CR LF.
    auto gap = contact("Boşluk");
    gap.setText(Field::phone2, "0212");
    gap.setText(Field::notes, "a\nb");
    std::string file;
    appendVcard(file, vcardFromContact(gap));
    const auto back = contactFromVcard(readVcardFile(file).cards.at(0)).record;
    EXPECT_EQ(back.text(Field::phone1).substr(0, 5), "0212 ");
    EXPECT_EQ(back.text(Field::phone2), std::string(30, ' '));
    EXPECT_EQ(back.text(Field::notes).substr(0, 5), "a\r\nb ");
}
