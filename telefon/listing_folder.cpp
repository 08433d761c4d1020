#include "telefon/listing_folder.h"

#include <QDir>

QString listingFolderText(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
#ifdef Q_OS_WIN
    return native.toLower();
#else
    return native;
#endif
}

QString listingFolderText(const std::filesystem::path& path) {
    return listingFolderText(QString::fromStdU16String(path.u16string()));
}
