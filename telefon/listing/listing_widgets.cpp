#include "telefon/listing/listing_widgets.h"

#include "folder_picker/drive_folder_picker.h"
#include "ui/button_row.h"
#include "ui/path_text.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>

namespace marunda::telefon {

QString listingFolderText(const QString& path) {
    return ui::shownFolder(path);
}

QString listingFolderText(const std::filesystem::path& path) {
    return listingFolderText(ui::pathQText(path));
}

ConfirmRow confirmRow() {
    const ui::ButtonPair pair = ui::okCancelPair();
    ConfirmRow buttons{new QHBoxLayout, pair.ok, pair.cancel};
    buttons.row->addStretch();
    buttons.row->addWidget(buttons.tamam);
    buttons.row->addWidget(buttons.iptal);
    return buttons;
}

} // namespace marunda::telefon
