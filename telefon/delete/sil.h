#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace marunda::telefon {

class Ana;

// "Telefon Sil": deletes the page typed in Text1 (the page shown on the main window to begin
// with) after showing whose record it is; the later pages move up by one.
class Sil : public QDialog {
    Q_OBJECT
public:
    explicit Sil(Ana& ana);

    // "Tamam".
    void deleteTypedPage();

private:
    void build();
    void showNameOfTypedPage();
    bool refuse(long long page, bool fraction, int records);

    Ana& ana_;
    QLineEdit* pageBox_ = nullptr;
    QLabel* name_ = nullptr;
};

} // namespace marunda::telefon
