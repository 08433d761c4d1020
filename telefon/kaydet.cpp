#include "telefon/kaydet.h"

#include "platform/platform.h"
#include "telefon/dokum.h"
#include "telefon/listing_widgets.h"
#include "ui/fonts.h"
#include "ui/message_box.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// Through UTF-8, which both systems' paths convert to without fail.
std::filesystem::path toPath(const QString& path) {
    const QByteArray utf8 = path.toUtf8();
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

QString fromPath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return QDir::fromNativeSeparators(
        QString::fromUtf8(reinterpret_cast<const char*>(utf8.data()), qsizetype(utf8.size())));
}

QStringList volumeRoots() {
    QStringList roots;
    for (const auto& volume : marunda::platform::volumes()) {
        roots.append(fromPath(volume.root));
    }
    return roots;
}

} // namespace

Kaydet::Kaydet(Dokum* dokum, const QString& startFolder)
    : QDialog(dokum->parentWidget())
    , dokum_(dokum) {
    setObjectName(QStringLiteral("kaydet"));
    setWindowTitle(QStringLiteral("Döküm Gözat"));
    setFont(marunda::ui::msSansSerif(8.25));

    drive1_ = new QComboBox;
    drive1_->setObjectName(QStringLiteral("Drive1"));
    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
    model_->setReadOnly(true);
    dir1_ = new QTreeView;
    dir1_->setObjectName(QStringLiteral("Dir1"));
    dir1_->setModel(model_);
    dir1_->setHeaderHidden(true);
    for (int column = 1; column < model_->columnCount(); ++column) {
        dir1_->hideColumn(column);
    }

    const ConfirmRow buttons = confirmRow();
    connect(buttons.tamam, &QPushButton::clicked, this, &Kaydet::confirm);
    connect(buttons.iptal, &QPushButton::clicked, this, &Kaydet::reject);

    auto* frame = new QGroupBox(QStringLiteral("Gözat"));
    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(drive1_);
    inner->addWidget(dir1_, 1);
    inner->addLayout(buttons.row);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    resize(320, 360);

    const QString folder = QDir::cleanPath(QDir::fromNativeSeparators(startFolder));
    fillDrives(fromPath(marunda::platform::volumeOf(toPath(folder))));
    showFolder(folder);
    connect(drive1_, &QComboBox::currentIndexChanged, this, &Kaydet::changeDrive);
}

void Kaydet::fillDrives(const QString& startVolume) {
    QStringList roots = volumeRoots();
    if (!startVolume.isEmpty() && !roots.contains(startVolume)) {
        roots.append(startVolume);
    }
    for (const QString& root : roots) {
        drive1_->addItem(listingFolderText(root), root);
    }
    shownDrive_ = drive1_->findData(startVolume);
    drive1_->setCurrentIndex(shownDrive_);
    showVolume(startVolume);
}

void Kaydet::changeDrive(int index) {
    const QString root = drive1_->itemData(index).toString();
    if (!marunda::platform::volumeReady(toPath(root))) {
        marunda::ui::MessageBox::critical(this, QStringLiteral("Hata"),
                                          QStringLiteral("Aygıt hazır değil"));
        // The list goes back to the volume whose folder the tree still shows.
        const QSignalBlocker blocker(drive1_);
        drive1_->setCurrentIndex(shownDrive_);
        return;
    }
    shownDrive_ = index;
    showVolume(root);
    showFolder(root);
}

void Kaydet::showVolume(const QString& root) {
    model_->setRootPath(root);
    dir1_->setRootIndex(model_->index(root));
}

void Kaydet::showFolder(const QString& folder) {
    const QModelIndex index = model_->index(folder);
    if (!index.isValid()) {
        return;
    }
    dir1_->setCurrentIndex(index);
    dir1_->expand(index);
    dir1_->scrollTo(index);
}

QString Kaydet::chosenFolder() const {
    const QModelIndex index = dir1_->currentIndex();
    return listingFolderText(index.isValid() ? model_->filePath(index) : model_->rootPath());
}

void Kaydet::confirm() {
    if (!dokum_) {
        // Its listing window has closed: there is nothing left to fill.
        close();
        return;
    }
    dokum_->setFolder(chosenFolder());
    hide();
}

void Kaydet::reject() {
    close();
}

void Kaydet::closeEvent(QCloseEvent* event) {
    // Not QDialog's handler: it would route the close through reject() once more.
    event->accept();
}
