#pragma once

#include <QDialog>
#include <QPointer>

namespace marunda::ui {
class DriveFolderPicker;
}

namespace marunda::telefon {

class Dokum;

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
    void confirm();

    QPointer<Dokum> dokum_;
    marunda::ui::DriveFolderPicker* picker_ = nullptr;
};

} // namespace marunda::telefon
