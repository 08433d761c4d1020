#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;
class QLineEdit;
class QPushButton;

namespace marunda::telefon {

class Ana;

// The start-up prompt: keeps the main window hidden until the stored password is typed. There is
// no way past it but the right password; every other way out ends the program.
class Pass1 : public QDialog {
    Q_OBJECT
public:
    explicit Pass1(Ana& ana);

    // "Tamam".
    void confirm();
    // "İptal", Esc and the close box.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPointer<Ana> ana_;
    QLabel* label1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    bool accepted_ = false;
    bool ending_ = false;
};

} // namespace marunda::telefon
