#include "folder_picker/drive_folder_picker.h"

#include "platform/platform.h"
#include "ui/message_box.h"
#include "ui/path_text.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTreeView>
#include <QVBoxLayout>

#include <filesystem>

namespace marunda::ui {

namespace {

QString fromPath(const std::filesystem::path& path) {
    return QDir::fromNativeSeparators(pathQText(path));
}

} // namespace

QString shownFolder(const QString& path) {
    const QString native = QDir::toNativeSeparators(path);
    return platform::fileNamesIgnoreCase() ? native.toLower() : native;
}

DriveFolderPicker::DriveFolderPicker(const QString& notReady, QWidget* parent)
    : QWidget(parent)
    , notReady_(notReady) {
    drive1_ = new QComboBox;
    drive1_->setObjectName(QStringLiteral("Drive1"));
    for (const auto& volume : platform::volumes()) {
        const QString root = fromPath(volume.root);
        drive1_->addItem(shownFolder(root), root);
    }
    model_ = new QFileSystemModel(this);
    // No hidden folders (on Linux those whose names begin with '.'); the chosen folder shows
    // even inside one.
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    model_->setReadOnly(true);
    dir1_ = new QTreeView;
    dir1_->setObjectName(QStringLiteral("Dir1"));
    dir1_->setModel(model_);
    dir1_->setHeaderHidden(true);
    for (int column = 1; column < model_->columnCount(); ++column) {
        dir1_->hideColumn(column);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(drive1_);
    layout->addWidget(dir1_, 1);

    connect(drive1_, &QComboBox::currentIndexChanged, this, &DriveFolderPicker::changeDrive);
    connect(dir1_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { emit folderChanged(folder()); });
    // The folders come in (and are sorted) a while after the tree opens.
    connect(model_, &QAbstractItemModel::rowsInserted, this, &DriveFolderPicker::scrollToFolder);
    connect(model_, &QAbstractItemModel::layoutChanged, this, &DriveFolderPicker::scrollToFolder);
    for (QObject* part : {static_cast<QObject*>(dir1_), static_cast<QObject*>(dir1_->viewport()),
                          static_cast<QObject*>(dir1_->verticalScrollBar())}) {
        part->installEventFilter(this);
    }
}

int DriveFolderPicker::driveEntry(const QString& root) {
    int entry = drive1_->findData(root);
    if (entry < 0) {
        const QSignalBlocker blocker(drive1_);
        drive1_->addItem(shownFolder(root), root);
        entry = drive1_->count() - 1;
    }
    return entry;
}

void DriveFolderPicker::showFolder(const QString& path) {
    // The tree knows a folder only as the disk spells it; where names ignore case it may come
    // in another case (the listing keeps folders in lower case).
    const QString folder = fromPath(
        platform::storedSpelling(pathFromQText(QDir::cleanPath(QDir::fromNativeSeparators(path)))));
    const QString root = fromPath(platform::volumeOf(pathFromQText(folder)));
    shownDrive_ = driveEntry(root);
    {
        const QSignalBlocker blocker(drive1_);
        drive1_->setCurrentIndex(shownDrive_);
    }
    showVolume(root);
    const QModelIndex index = model_->index(folder);
    if (!index.isValid()) {
        return;
    }
    dir1_->setCurrentIndex(index);
    dir1_->expand(index);
    keepInView_ = true;
    scrollToFolder();
}

QString DriveFolderPicker::folder() const {
    const QModelIndex index = dir1_->currentIndex();
    return index.isValid() ? model_->filePath(index) : model_->rootPath();
}

void DriveFolderPicker::changeDrive(int index) {
    const QString root = drive1_->itemData(index).toString();
    if (!platform::volumeReady(pathFromQText(root))) {
        MessageBox::critical(this, QStringLiteral("Hata"), notReady_);
        const QSignalBlocker blocker(drive1_);
        drive1_->setCurrentIndex(shownDrive_);
        return;
    }
    shownDrive_ = index;
    showVolume(root);
    dir1_->setCurrentIndex(model_->index(root));
    emit folderChanged(folder());
}

void DriveFolderPicker::scrollToFolder() {
    if (keepInView_) {
        dir1_->scrollTo(dir1_->currentIndex(), QAbstractItemView::PositionAtCenter);
    }
}

void DriveFolderPicker::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    scrollToFolder();
}

bool DriveFolderPicker::eventFilter(QObject* watched, QEvent* event) {
    // The user moves in the tree: the folder shown need stay in view no longer.
    const auto type = event->type();
    if (type == QEvent::MouseButtonPress || type == QEvent::Wheel || type == QEvent::KeyPress) {
        keepInView_ = false;
    }
    return QWidget::eventFilter(watched, event);
}

void DriveFolderPicker::showVolume(const QString& root) {
    model_->setRootPath(root);
    dir1_->setRootIndex(model_->index(root));
}

} // namespace marunda::ui
