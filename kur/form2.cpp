#include "kur/form2.h"

#include "installer/backup.h"
#include "installer/held_files.h"
#include "kur/texts.h"
#include "kur/zilora_ending.h"
#include "ui/fonts.h"
#include "ui/message_box.h"
#include "ui/progress_bar.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace marunda::kur {

using installer::RemovalStop;
using ui::MessageBox;

namespace {

// The sentence that tells where an earlier backup was kept; empty when none was.
QString earlierBackupText(const installer::RemovalReport& result) {
    if (result.earlierBackup.empty()) {
        return {};
    }
    return QStringLiteral("\n\nMasaüstünüzdeki \"%1\" klasöründe bulunan önceki yedeğiniz "
                          "silinmedi, \"%2\" adıyla aynı yerde saklandı.")
        .arg(QString::fromStdString(std::string(installer::kBackupFolder)),
             QString::fromStdString(result.earlierBackup));
}

// Names the file that cannot go and the program to close; nothing was deleted, so the user may
// try again.
QString fileInUseText(const installer::RemovalReport& result) {
    const QString file =
        QDir::toNativeSeparators(QString::fromStdString(result.folder) + QLatin1Char('/') +
                                 QString::fromStdString(result.detail));
    const QString program = QString::fromStdString(installer::programOfFile(result.detail));
    const QString close = program.isEmpty()
                              ? QStringLiteral("çalışan Marunda, Selvira ve Dorvex programlarını")
                              : program + QStringLiteral(" programını");
    return QStringLiteral("%1 dosyası şu anda silinemediği (büyük olasılıkla kullanımda olduğu) "
                          "için hiçbir dosya silinmedi. Lütfen %2 kapatın ve Kaldır tuşuna "
                          "yeniden basın.")
               .arg(file, close) +
           earlierBackupText(result);
}

} // namespace

Form2::Form2(QWidget* parent)
    : EndingWindow(parent) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(kCaption);
    build();
}

void Form2::build() {
    setFixedSize(271, 146);
    setFont(ui::msSansSerif(8.25));
    auto* frame = new QGroupBox(QStringLiteral("Programı Kaldır"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(8, 4, 255, 100);
    auto* label = new QLabel(QStringLiteral("Marunda 1.7 Programını bilgisayarınızdan kaldırmak "
                                            "istediğinize eminseniz Kaldır tuşuna basın."),
                             frame);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    label->setGeometry(8, 18, 239, 48);
    cubuk_ = ui::placedProgressBar(frame, {8, 72, 239, 18});

    auto* kaldir = new QPushButton(QStringLiteral("Kaldır"), this);
    kaldir->setObjectName(QStringLiteral("Command1"));
    kaldir->setGeometry(88, 112, 84, 26);
    kaldir->setDefault(true);
    auto* cikis = new QPushButton(QStringLiteral("Çıkış"), this);
    cikis->setObjectName(QStringLiteral("Command2"));
    cikis->setGeometry(179, 112, 84, 26);
    connect(kaldir, &QPushButton::clicked, this, &Form2::removeInstallation);
    connect(cikis, &QPushButton::clicked, this, &Form2::endProgram);
}

void Form2::open() {
    MessageBox::information(
        this, kCaption,
        QStringLiteral("Lütfen önce eğer şu anda çalışıyorsa Marunda ve Selvira programlarını "
                       "kapatın, aksi takdirde programı kaldırma işlemi tamamlanamaz"));
    show();
    raise();
}

void Form2::removeInstallation() {
    const bool backup = MessageBox::question(
        this, kCaption,
        QStringLiteral("Telefon kayıtlarınızın tutulduğu dosyaların yedeğinin alınmasını istiyor "
                       "musunuz?"));
    endInstalledZilora();
    const auto result = installer::removeInstallation(backup, [this](int value) {
        cubuk_->setValue(value);
        cubuk_->repaint();
    });
    const bool end = report(result);
    cubuk_->setValue(0);
    if (end) {
        endProgram();
    }
}

bool Form2::report(const installer::RemovalReport& result) {
    switch (result.stop) {
    case RemovalStop::none: {
        QString text =
            QStringLiteral("Marunda 1.7 Programı bilgisayarınızdan başarıyla kaldırılmıştır");
        if (!result.remaining.empty()) {
            text += QStringLiteral("\n\n%1 klasöründe Marunda'ya ait olmayan dosyalar bulunduğu "
                                   "için bu klasör ve içindeki bu dosyalar silinmedi.")
                        .arg(QDir::toNativeSeparators(QString::fromStdString(result.folder)));
        }
        text += earlierBackupText(result);
        if (const QString failed = failedStepsText(result.failed); !failed.isEmpty()) {
            text += QStringLiteral("\n\n") + failed +
                    QStringLiteral(" Kaldırma işlemini tamamlamak için Kur'u yeniden "
                                   "çalıştırabilirsiniz.");
        }
        MessageBox::information(this, kCaption, text);
        return true;
    }
    case RemovalStop::noLog:
    case RemovalStop::noWindowsFolder:
        MessageBox::critical(this, kErrorTitle,
                             QStringLiteral("Marunda 1.7 bu bilgisayarda kurulu görünmüyor"));
        return true;
    case RemovalStop::backupFailed:
        MessageBox::critical(
            this, kErrorTitle,
            QStringLiteral("Kayıt dosyalarınızın yedeği alınamadı (%1). "
                           "Dosyalarınızı kaybetmemeniz için hiçbir dosya "
                           "silinmedi ve programı kaldırma işlemi durduruldu")
                .arg(QDir::toNativeSeparators(QString::fromStdString(result.detail))));
        return false;
    case RemovalStop::fileInUse:
        MessageBox::critical(this, kCaption, fileInUseText(result));
        return false;
    case RemovalStop::deleteFailed:
        MessageBox::critical(this, kCaption,
                             QStringLiteral("Program kaldırılırken hata oluştu. Muhtemelen silmek "
                                            "istediğiniz dosyalardan bazıları şu anda kullanımda") +
                                 earlierBackupText(result));
        return true;
    }
    return true;
}

} // namespace marunda::kur
