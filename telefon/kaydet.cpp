#include "telefon/kaydet.h"

#include "telefon/dokum.h"
#include "telefon/listing_widgets.h"
#include "ui/fonts.h"
#include "ui/message_box.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// The roots of the machine's volumes: drive letters where there are any, mount points elsewhere.
QStringList volumeRoots() {
    QStringList roots;
#ifdef Q_OS_WIN
    for (const QFileInfo& drive : QDir::drives()) {
        roots.append(drive.absoluteFilePath());
    }
#else
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Some mounts are single files bound into place; they hold no folders.
        if (volume.isValid() && QFileInfo(volume.rootPath()).isDir()) {
            roots.append(volume.rootPath());
        }
    }
    roots.sort();
    roots.removeDuplicates();
#endif
    return roots;
}

// The volume a folder lies on. Where the system names no mount for it (a folder inside a
// changed root, say), the top of its path stands in, so the list is never empty.
QString volumeOf(const QString& folder) {
    const QString mounted = QStorageInfo(folder).rootPath();
    if (!mounted.isEmpty()) {
        return mounted;
    }
    QDir top(QFileInfo(folder).absoluteFilePath());
    while (top.cdUp()) {
    }
    return top.absolutePath();
}

bool volumeReady(const QString& root) {
    const QFileInfo info(root);
    const QStorageInfo volume(root);
    return info.isDir() && info.isReadable() && (!volume.isValid() || volume.isReady());
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
    fillDrives(volumeOf(folder));
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
    if (!volumeReady(root)) {
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
