#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QTreeView;

namespace marunda::ui {

// A folder as the folder lists show it: with the system's separators, and in lower case only
// where the file system ignores case.
QString shownFolder(const QString& path);

// The drive list `Drive1` over the folder tree `Dir1`: choosing a volume moves the tree to it,
// and a volume that cannot be read is refused with a message, the list going back to the volume
// the tree still shows. Folders travel with '/' separators.
class DriveFolderPicker : public QWidget {
    Q_OBJECT
public:
    // `notReady`: the text of the critical message for a volume that cannot be read.
    explicit DriveFolderPicker(const QString& notReady, QWidget* parent = nullptr);

    // Opens `folder` in the tree, on its volume (added to the list when the system names none),
    // and keeps it in view while the tree fills, until the user moves in it.
    void showFolder(const QString& folder);
    // The folder open in the tree; the volume's top when none is.
    QString folder() const;

signals:
    // The tree opened another folder, by the user's choice or a change of volume.
    void folderChanged(const QString& folder);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void changeDrive(int index);
    void scrollToFolder();
    void showVolume(const QString& root);
    int driveEntry(const QString& root);

    QString notReady_;
    QComboBox* drive1_ = nullptr;
    QTreeView* dir1_ = nullptr;
    QFileSystemModel* model_ = nullptr;
    int shownDrive_ = -1; // the entry of the volume the tree shows
    bool keepInView_ = false;
};

} // namespace marunda::ui
