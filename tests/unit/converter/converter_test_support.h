#pragma once

#include "converter/contact_record16.h"
#include "converter/installation_log.h"
#include "core/contact_record.h"
#include "core/cp1254.h"
#include "temp_folder.h"

#include <string>

// A 1.6 installation: the Windows folder with its log, and the 1.6 folder it names.
struct Installation16 {
    TempFolder windows;
    TempFolder book;

    Installation16() { log(book.path()); }

    // One line without quotes, as installation logs are written.
    void log(const std::filesystem::path& folder) const {
        const auto text = folder.u8string();
        windows.write(std::string(marunda::converter::kLog16),
                      marunda::encodeCp1254(std::string(text.begin(), text.end())) + "\r\n");
    }
    void files(const std::string& bilgi, const std::string& telefon) const {
        book.write("bilgi.dat", bilgi);
        book.write("telefon.dat", telefon);
    }
};

inline marunda::converter::ContactRecord16 record16(int page) {
    marunda::converter::ContactRecord16 record;
    record.setText(marunda::Field::name, "Kişi " + std::to_string(page));
    record.setText(marunda::Field::notes, std::string(390, 'n') + "son" + std::to_string(page));
    return record;
}

// Pages first .. last of a 1.6 book.
inline std::string book16(int first, int last) {
    std::string bytes;
    for (int page = first; page <= last; ++page) {
        bytes += record16(page).bytes();
    }
    return bytes;
}

// The same pages as the conversion should leave them.
inline std::string book17(int first, int last) {
    std::string bytes;
    for (int page = first; page <= last; ++page) {
        bytes += record16(page).toContactRecord().bytes();
    }
    return bytes;
}
