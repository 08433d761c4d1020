// vCard files as real exporters write them, read into the exact records they become.
#include "core/cp1254.h"
#include "core/vcard_mapping.h"
#include "core/vcard_reader.h"

#include <gtest/gtest.h>

#include <vector>

using namespace marunda;

namespace {

using Fields = std::vector<std::pair<Field, std::string>>;

ContactRecord recordOf(const Fields& fields) {
    ContactRecord record;
    for (const auto& [field, text] : fields) {
        record.setText(field, text);
    }
    return record;
}

// CR LF line ends, as most exporters write.
std::string crlf(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (const auto line : lines) {
        out.append(line).append("\r\n");
    }
    return out;
}

std::string utf16le(std::string_view utf8) {
    std::string out = "\xFF\xFE";
    for (const char32_t ch : utf8ToUtf32(utf8)) {
        out += static_cast<char>(ch & 0xFF);
        out += static_cast<char>(ch >> 8);
    }
    return out;
}

struct ExporterFile {
    const char* writer;
    std::string bytes;
    std::vector<Fields> records;
    std::vector<VcardSkip> skipped = {};
};

std::vector<ExporterFile> exporterFiles() {
    const std::string photo(200 * 1024, 'A');
    return {
        {"Android 2.1: quoted-printable UTF-8, continuation without a blank, bare types",
         crlf({"BEGIN:VCARD", "VERSION:2.1",
               "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=C3=96zt=C3=BCrk;Ay=C5=9Fe;;;",
               "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Ay=C5=9Fe =C3=96zt=C3=BCrk",
               "TEL;HOME:0212 444 55 66", "TEL;CELL;PREF:+90 532 111 22 33",
               "NOTE;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=C4=B0lk sat=C4=B1r=0D=0A=C4=B0ki=",
               "nci sat=C4=B1r", "END:VCARD"}),
         {{{Field::name, "Ayşe Öztürk"},
           {Field::phone1, "+90 532 111 22 33"},
           {Field::phone2, "0212 444 55 66"},
           {Field::notes, "İlk satır\r\nİkinci satır"}}}},
        {"iOS 3.0: item1.TEL, omitted year, a folded photo, a fold inside a letter",
         crlf({"BEGIN:VCARD", "VERSION:3.0", "PRODID:-//Apple Inc.//iPhone OS 17.0//EN",
               "N:Yılmaz;Mehmet;;;", "FN:Mehmet Yılmaz", "ORG:Doğan Ltd.;",
               "item1.TEL;type=pref:+90 (216) 555 01 02", "item1.X-ABLabel:_$!<Other>!$_",
               "EMAIL;type=INTERNET;type=HOME;type=pref:mehmet@example.com",
               "BDAY;X-APPLE-OMIT-YEAR=1604:1604-05-09",
               "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRgABAQAAAQABAAD/2wBDAAgGBgcGBQgHBwcJCQgK",
               " GhwcHCAkLicgIiwjHBwoNyksMDE0NDQfJzk9ODI8LjM0Mv/2wBDAQkJCQwLDBgNDRgyIRwhMjIy",
               "NOTE:Karde\xC5", " \x9Fi \xC5\x9F", " ehir d\xC4\xB1\xC5\x9F\xC4\xB1nda",
               "END:VCARD"}),
         {{{Field::name, "Mehmet Yılmaz"},
           {Field::phone1, "+90 (216) 555 01 02"},
           {Field::birthday, "9/5/----"},
           {Field::notes, "Kardeşi şehir dışında\r\nKurum: Doğan Ltd."},
           {Field::email1, "mehmet@example.com"}}}},
        {"Google 3.0: --MMDD, ADR parts, escapes",
         crlf({"BEGIN:VCARD", "VERSION:3.0", "FN:Işıl Çelik", "N:Çelik;Işıl;;;",
               "EMAIL;TYPE=INTERNET:isil@example.com", "TEL;TYPE=CELL:0532 765 43 21",
               "BDAY:--0414", "ADR;TYPE=HOME:;;Atatürk Cd. No: 5;Kadıköy;İstanbul;34710;Türkiye",
               "NOTE:Satır 1\\nSatır 2\\, virgül\\; noktalı virgül", "URL:https://example.com/isil",
               "END:VCARD"}),
         {{{Field::name, "Işıl Çelik"},
           {Field::phone1, "0532 765 43 21"},
           {Field::address, "Atatürk Cd. No: 5, Kadıköy, İstanbul, 34710, Türkiye"},
           {Field::birthday, "14/4/----"},
           {Field::notes, "Satır 1\r\nSatır 2, virgül; noktalı virgül"},
           {Field::email1, "isil@example.com"},
           {Field::internet, "https://example.com/isil"}}}},
        {"4.0: VALUE=date, tel: URIs with PREF and an extension, a fax, IMPP icq:",
         crlf({"BEGIN:VCARD", "VERSION:4.0", "FN:Ömer Doğan",
               "TEL;VALUE=uri;TYPE=work:tel:+90-212-000-3344;ext=102",
               "TEL;VALUE=uri;TYPE=\"voice,cell\";PREF=1:tel:+90-532-000-1122",
               "TEL;VALUE=uri;TYPE=fax:tel:+90-212-000-3345", "BDAY;VALUE=date:19800229",
               "IMPP;PREF=1:icq:123456789", "END:VCARD"}),
         {{{Field::name, "Ömer Doğan"},
           {Field::phone1, "+90-532-000-1122"},
           {Field::phone2, "+90-212-000-3344 dahili 102"},
           {Field::fax, "+90-212-000-3345"},
           {Field::birthday, "29/2/1980"},
           {Field::icq1, "123456789"}}}},
        {"LF only, a UTF-8 byte-order mark, N without FN, X-ICQ, a 2.1 fax",
         "\xEF\xBB\xBF"
         "BEGIN:VCARD\nVERSION:2.1\nN:Kaya;Ali\nTEL;WORK;FAX:0312 111 11 11\nX-ICQ:55667788\n"
         "END:VCARD\n",
         {{{Field::name, "Ali Kaya"}, {Field::fax, "0312 111 11 11"}, {Field::icq1, "55667788"}}}},
        {"Mixed versions, a broken card and a card without its end in the middle",
         crlf({"BEGIN:VCARD", "VERSION:2.1", "FN:Birinci", "END:VCARD", "BEGIN:VCARD",
               "VERSION:3.0", "FN:Bozuk Kart", "bu satır bir özellik değil", "END:VCARD",
               "BEGIN:VCARD", "VERSION:3.0", "FN:Sonu Yok", "BEGIN:VCARD", "VERSION:4.0",
               "FN:Zeynep Şahin", "BDAY:1850-03-01", "END:VCARD"}),
         {{{Field::name, "Birinci"}},
          {{Field::name, "Zeynep Şahin"},
           {Field::birthday, "1/3/----"},
           {Field::notes, "Doğumgünü: 1850-03-01"}}},
         {{5, "8. satır okunamadı"}, {10, "kartın sonu (END:VCARD) yok"}}},
        {"Older Turkish programs: ISO-8859-9, WINDOWS-1254 and code page 1254 undeclared",
         crlf({"BEGIN:VCARD", "VERSION:2.1", "N;CHARSET=ISO-8859-9:\xDE\x61hin;G\xFCl\xFE\x65n",
               "ADR;CHARSET=WINDOWS-1254:;;\xDDn\xF6n\xFC Sk.;\xC7\x61nkaya",
               "NOTE:\xD0\xFCzel \x80", "END:VCARD"}),
         {{{Field::name, "Gülşen Şahin"},
           {Field::address, "İnönü Sk., Çankaya"},
           {Field::notes, "Ğüzel €"}}}},
        {"CR alone, as old Macintosh programs end lines",
         "BEGIN:VCARD\rVERSION:3.0\rFN:Eski Mac\rTEL:1\rEND:VCARD\r",
         {{{Field::name, "Eski Mac"}, {Field::phone1, "1"}}}},
        {"UTF-16 with its byte-order mark",
         utf16le("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Çağrı Öz\r\nEND:VCARD\r\n"),
         {{{Field::name, "Çağrı Öz"}}}},
        {"A 200 KB photo and unknown properties skipped without harm to the next card",
         crlf({"BEGIN:VCARD", "VERSION:3.0", "FN:Fotoğraflı", "PHOTO;ENCODING=b:" + photo,
               "X-UNKNOWN;FOO=\"a:b;c\":değer", "END:VCARD", "BEGIN:VCARD", "VERSION:3.0",
               "FN:Sonraki", "END:VCARD"}),
         {{{Field::name, "Fotoğraflı"}}, {{Field::name, "Sonraki"}}}},
        {"No card at all", "merhaba\r\n", {}, {{1, "dosyada vCard yok"}}},
    };
}

} // namespace

TEST(VcardReader, ReadsWhatRealExportersWriteIntoTheExactRecords) {
    for (const auto& file : exporterFiles()) {
        SCOPED_TRACE(file.writer);
        const auto read = readVcardFile(file.bytes);
        EXPECT_EQ(read.skipped, file.skipped);
        ASSERT_EQ(read.cards.size(), file.records.size());
        for (std::size_t k = 0; k < file.records.size(); ++k) {
            const auto record = contactFromVcard(read.cards[k]).record;
            const auto expected = recordOf(file.records[k]);
            for (const auto& layout : kFieldLayout) {
                EXPECT_EQ(record.text(layout.field), expected.text(layout.field))
                    << "card " << k + 1 << ", field at " << layout.offset;
            }
        }
    }
}
