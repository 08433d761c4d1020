#pragma once

#include "core/password_file.h"

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace marunda::telefon {

class Ana;

// Puts a start-up password on the phone book, changes it or removes it. An existing password
// must be typed before anything else can be done.
class Pass : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWarningMilliseconds = 1000;
    static constexpr int kMismatchMilliseconds = 4000;

    explicit Pass(Ana& ana);

    // "Tamam" of the old password.
    void checkOldPassword();
    // "Tamam" of the window.
    void apply();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void load();
    void checkClicked(bool ticked);
    void setOldGroupEnabled(bool enabled);
    void setNewGroupEnabled(bool enabled);
    void makeDefaultButton(QPushButton* button);
    void finish(const QString& notice);
    void tellFailure(const marunda::Error& error);
    void timerTick();

    QPointer<Ana> ana_;
    marunda::PasswordFile file_;
    QGroupBox* frame2_ = nullptr;
    QGroupBox* frame3_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label4_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QPushButton* command3_ = nullptr;
    QLabel* label5_ = nullptr;
    QCheckBox* check1_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLineEdit* sifre1_ = nullptr;
    QLabel* label2_ = nullptr;
    QLineEdit* sifre2_ = nullptr;
    QLabel* label6_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    QTimer* timer1_ = nullptr;
};

} // namespace marunda::telefon
