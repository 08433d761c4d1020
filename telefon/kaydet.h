#pragma once

#include <QDialog>
#include <QPointer>

namespace marunda::telefon {
class Dokum;
}
using marunda::telefon::Dokum;
class QComboBox;
class QFileSystemModel;
class QTreeView;

// "Döküm Gözat": picks the folder of the listing from a volume list and a folder tree. "Tamam"
// fills the listing window's folder box and only hides the chooser, so that it reopens where
// it was; "İptal" closes it.
class Kaydet : public QDialog {
    Q_OBJECT
public:
    Kaydet(Dokum* dokum, const QString& startFolder);

    // The folder open in the tree, as the listing window shows folders.
    QString chosenFolder() const;

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void fillDrives(const QString& startVolume);
    void changeDrive(int index);
    void showVolume(const QString& root);
    void showFolder(const QString& folder);
    void confirm();

    QPointer<Dokum> dokum_;
    QComboBox* drive1_ = nullptr;
    QTreeView* dir1_ = nullptr;
    QFileSystemModel* model_ = nullptr;
    int shownDrive_ = -1; // the entry of the volume the tree shows
};
