#include "kur/form3.h"

#include "installer/removal.h"
#include "kur/form1.h"
#include "kur/form2.h"
#include "kur/texts.h"
#include "ui/fonts.h"
#include "ui/message_box.h"

#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace marunda::kur {

Form3::Form3(Form1* form1, QWidget* parent)
    : EndingWindow(parent)
    , form1_(form1) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(kCaption);
    build();
}

void Form3::build() {
    setFixedSize(200, 129);
    setFont(ui::msSansSerif(8.25));
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(8, 4, 184, 80);
    auto* option2 = new QRadioButton(QStringLiteral("Programı Tekrar Yükle"), frame);
    option2->setObjectName(QStringLiteral("Option2"));
    option2->setGeometry(10, 16, 168, 24);
    option2->setChecked(true);
    option1_ = new QRadioButton(QStringLiteral("Programı Bilgisayardan Kaldır"), frame);
    option1_->setObjectName(QStringLiteral("Option1"));
    option1_->setGeometry(10, 46, 168, 24);

    auto* tamam = new QPushButton(QStringLiteral("Tamam"), this);
    tamam->setObjectName(QStringLiteral("Command1"));
    tamam->setGeometry(8, 94, 88, 26);
    tamam->setDefault(true);
    auto* cikis = new QPushButton(QStringLiteral("Çıkış"), this);
    cikis->setObjectName(QStringLiteral("Command2"));
    cikis->setGeometry(104, 94, 88, 26);
    connect(tamam, &QPushButton::clicked, this, &Form3::confirm);
    connect(cikis, &QPushButton::clicked, this, &Form3::endProgram);
}

void Form3::confirm() {
    if (!option1_->isChecked()) {
        reinstall();
        return;
    }
    if (!form2_) {
        form2_ = new Form2;
        form2_->setAttribute(Qt::WA_DeleteOnClose);
        connect(form2_, &Form2::programEnded, this, &Form3::endProgram);
    }
    form2_->open();
}

Form2* Form3::form2() const {
    return form2_;
}

void Form3::reinstall() {
    ui::MessageBox::information(
        this, kCaption,
        QStringLiteral("Lütfen önce eğer şu anda çalışıyorsa Marunda ve Selvira programlarını "
                       "kapatın, aksi takdirde kurulum işlemi tamamlanamaz"));
    if (!form1_) {
        return;
    }
    if (const auto installed = installer::installedFolder();
        installed.stop == installer::RemovalStop::none) {
        form1_->setFolder(QDir::toNativeSeparators(QString::fromStdString(installed.folder)));
    }
    form1_->show();
    form1_->raise();
}

} // namespace marunda::kur
