#pragma once

#include <QString>

#include <filesystem>

class QHBoxLayout;
class QPushButton;

namespace marunda::telefon {

// How the listing windows show a folder: the platform's separators, and lower case only where
// the file system ignores case (lower-casing a Linux path would name another folder).
QString listingFolderText(const QString& path);
QString listingFolderText(const std::filesystem::path& path);

// The row of both listing windows: "Tamam" (Command1, the default) and "İptal" (Command2) on
// the right.
struct ConfirmRow {
    QHBoxLayout* row;
    QPushButton* tamam;
    QPushButton* iptal;
};
ConfirmRow confirmRow();

} // namespace marunda::telefon
