#include "telefon/password/pass1.h"

#include "telefon/ana/ana.h"
#include "telefon/password/password_entry.h"
#include "ui/button_row.h"
#include "ui/message_box.h"
#include "ui/named_child.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace marunda::telefon {

Pass1::Pass1(Ana& ana)
    : QDialog(&ana)
    , ana_(&ana) {
    setObjectName(QStringLiteral("pass1"));
    setWindowTitle(QStringLiteral("Şifre"));
    setFixedSize(240, 104);

    label1_ = marunda::ui::placed(new QLabel(QStringLiteral("Lütfen şifrenizi yazın"), this),
                                  QStringLiteral("Label1"), {16, 12, 208, 17});
    text1_ = marunda::ui::placed(new QLineEdit(this), QStringLiteral("Text1"), {16, 34, 208, 22});
    maskEntry(*text1_);

    const auto buttons = marunda::ui::okCancelButtons(this, {40, 66, 81, 25}, 128);
    command1_ = buttons.ok;
    command2_ = buttons.cancel;

    connect(command1_, &QPushButton::clicked, this, &Pass1::confirm);
    connect(command2_, &QPushButton::clicked, this, &Pass1::reject);
    text1_->setFocus();
}

void Pass1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (ana_) {
        ana_->hide();
    }
    text1_->setFocus();
}

void Pass1::confirm() {
    if (!ana_) {
        return;
    }
    if (ana_->expectedPassword() == text1_->text()) {
        accepted_ = true;
        ana_->show();
        close();
        ana_->passwordPassed();
        return;
    }
    marunda::ui::MessageBox::critical(
        this, QStringLiteral("Yanlış Şifre"),
        QStringLiteral("Yazdığınız şifre yanlış, lütfen tekrar deneyin"));
    text1_->setFocus();
    text1_->setSelection(0, static_cast<int>(text1_->text().size()));
}

void Pass1::reject() {
    // Never leave the main window hidden with nothing on screen to bring it back.
    if (!accepted_ && !ending_) {
        ending_ = true;
        if (ana_) {
            ana_->endProgram();
        }
    }
    QDialog::reject();
}

void Pass1::closeEvent(QCloseEvent* event) {
    if (!accepted_) {
        reject();
    }
    event->accept();
}

} // namespace marunda::telefon
