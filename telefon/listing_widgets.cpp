#include "telefon/listing_widgets.h"

#include "platform/platform.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>

QString listingFolderText(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    return marunda::platform::fileNamesIgnoreCase() ? native.toLower() : native;
}

QString listingFolderText(const std::filesystem::path& path) {
    return listingFolderText(QString::fromStdU16String(path.u16string()));
}

QPushButton* namedButton(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromUtf8(name));
    return button;
}

ConfirmRow confirmRow() {
    ConfirmRow buttons{new QHBoxLayout, namedButton("Command1", QStringLiteral("Tamam")),
                       namedButton("Command2", QStringLiteral("İptal"))};
    buttons.tamam->setDefault(true);
    buttons.row->addStretch();
    buttons.row->addWidget(buttons.tamam);
    buttons.row->addWidget(buttons.iptal);
    return buttons;
}
