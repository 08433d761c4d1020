#pragma once

// What Zilora's window tests share: a book of people with birthdays, and the tune beside it.

#include "gui_test_support.h"

#include <QCoreApplication>
#include <QDate>

#include <utility>
#include <vector>

namespace zilora_test {

inline const QDate k7December(2026, 12, 7);

// Installs a book of (name, birthday) records in `folder`, and the tune as "zilora.wav": the
// program looks for it without regard to case.
inline void writeBook(const guitest::ProgramFolder& folder,
                      const std::vector<std::pair<QString, QString>>& people) {
    std::vector<marunda::ContactRecord> records;
    for (const auto& [name, birthday] : people) {
        records.push_back(
            guitest::record({{marunda::Field::name, name}, {marunda::Field::birthday, birthday}}));
    }
    folder.writeBook(records);
    QFile::copy(QCoreApplication::applicationDirPath() + "/Zilora.wav",
                folder.filePath("zilora.wav"));
}

} // namespace zilora_test
