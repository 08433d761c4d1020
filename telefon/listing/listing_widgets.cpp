#include "telefon/listing/listing_widgets.h"

#include "platform/platform.h"
#include "ui/named_child.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>

namespace marunda::telefon {

QString listingFolderText(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    return marunda::platform::fileNamesIgnoreCase() ? native.toLower() : native;
}

QString listingFolderText(const std::filesystem::path& path) {
    return listingFolderText(QString::fromStdU16String(path.u16string()));
}

ConfirmRow confirmRow() {
    ConfirmRow buttons{new QHBoxLayout,
                       ui::named(new QPushButton(QStringLiteral("Tamam")), "Command1"),
                       ui::named(new QPushButton(QStringLiteral("İptal")), "Command2")};
    buttons.tamam->setDefault(true);
    buttons.row->addStretch();
    buttons.row->addWidget(buttons.tamam);
    buttons.row->addWidget(buttons.iptal);
    return buttons;
}

} // namespace marunda::telefon
