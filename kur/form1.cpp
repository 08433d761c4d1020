#include "kur/form1.h"

#include "core/cp1254.h"
#include "folder_picker/drive_folder_picker.h"
#include "kur/texts.h"
#include "kur/zilora_ending.h"
#include "platform/platform.h"
#include "ui/fonts.h"
#include "ui/message_box.h"
#include "ui/path_text.h"
#include "ui/progress_bar.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace marunda::kur {

using installer::InstallStop;
using ui::MessageBox;

namespace {

using installer::WriteCause;

QString nameNotInCodePageText(const QString& folder) {
    const auto letter = firstOutsideCp1254(folder.toStdString());
    const char32_t shown = letter.value_or(U'?');
    return QStringLiteral("Marunda \"%1\" dizinine kurulamaz, çünkü dizin adındaki \"%2\" "
                          "harfi Türkçe kod sayfasında (1254) bulunmadığı için kurulum bilgisine "
                          "yazılamaz. Lütfen adında bu harf olmayan bir dizin yazın")
        .arg(QDir::toNativeSeparators(folder), QString::fromUcs4(&shown, 1));
}

// Nothing was changed; on Windows the folder takes the administrator's rights, which Kur asks for
// when started, so a refusal there means it was started some other way.
QString windowsFolderReadOnlyText(const QString& folder) {
    if (platform::windowsFolderNeedsAdministrator()) {
        return QStringLiteral("Kur'un yönetici olarak çalıştırılması gerekiyor: kurulum bilgileri "
                              "Windows klasörüne (%1) yazılacak, ancak bu klasöre yazma izniniz "
                              "yok. Hiçbir şey değiştirilmedi. Lütfen Kur'u sağ tıklayıp "
                              "\"Yönetici olarak çalıştır\" komutuyla yeniden çalıştırın")
            .arg(folder);
    }
    return QStringLiteral("Kurulum bilgilerinin tutulacağı %1 klasörüne yazma izniniz yok. "
                          "Hiçbir şey değiştirilmedi")
        .arg(folder);
}

QString folderNotCreatedText(const QString& folder, WriteCause cause) {
    const QString failed = QStringLiteral("\"%1\" dizini oluşturulamadı").arg(folder);
    switch (cause) {
    case WriteCause::notPermitted:
        return failed + QStringLiteral(", çünkü üst dizine yazma izniniz yok. Lütfen başka bir "
                                       "dizin seçin");
    case WriteCause::noSpace:
        return failed + QStringLiteral(", çünkü diskte yeterli boş yer yok. Lütfen diskte yer "
                                       "açın ya da başka bir dizin seçin");
    case WriteCause::missingParent:
    case WriteCause::unknown:
        break;
    }
    return failed + QStringLiteral(". Lütfen üst dizinin var olduğundan emin olun ya da başka bir "
                                   "dizin seçin");
}

QString copyFailedText(const QString& file, WriteCause cause) {
    const QString failed =
        QStringLiteral("%1 dosyası kopyalanamadığı için kurulum tamamlanamadı").arg(file);
    switch (cause) {
    case WriteCause::notPermitted:
        return failed + QStringLiteral(", çünkü bu dosyaya ya da dizine yazma izniniz yok. "
                                       "Lütfen başka bir dizin seçin");
    case WriteCause::noSpace:
        return failed + QStringLiteral(", çünkü diskte yeterli boş yer yok. Lütfen diskte yer "
                                       "açıp yeniden Yükle tuşuna basın");
    case WriteCause::missingParent:
    case WriteCause::unknown:
        break;
    }
    return failed + QStringLiteral(". Lütfen eğer şu anda çalışıyorsa Marunda ve Selvira "
                                   "programlarını kapatıp yeniden Yükle tuşuna basın");
}

} // namespace

Form1::Form1(std::filesystem::path medium, std::filesystem::path installer, QWidget* parent)
    : EndingWindow(parent)
    , medium_(std::move(medium))
    , installer_(std::move(installer)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kCaption);
    build();
}

void Form1::build() {
    setFixedSize(338, 191);
    setFont(ui::msSansSerif(8.25));
    auto* label = new QLabel(QStringLiteral("Lütfen Marunda programının nereye kurulacağını yazın. "
                                            "Eğer varsayılan dizine kurulmasını istiyorsanız yükle "
                                            "tuşuna basın."),
                             this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    label->setGeometry(8, 4, 322, 42);

    auto* picker = new ui::DriveFolderPicker(QStringLiteral("Sürücü hazır değil"), this);
    picker->setGeometry(8, 50, 160, 133);

    text1_ = new QLineEdit(
        QDir::toNativeSeparators(ui::pathQText(platform::defaultInstallationFolder())), this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setGeometry(176, 50, 154, 22);
    cubuk_ = ui::placedProgressBar(this, {176, 80, 154, 18});

    auto* yukle = ui::placed(new QPushButton(QStringLiteral("Yükle"), this),
                             QStringLiteral("Command1"), {176, 120, 154, 26});
    yukle->setDefault(true);
    auto* cik = ui::placed(new QPushButton(QStringLiteral("Kur'dan Çık"), this),
                           QStringLiteral("Command2"), {176, 152, 154, 26});
    connect(yukle, &QPushButton::clicked, this, &Form1::install);
    connect(cik, &QPushButton::clicked, this, &Form1::askToEnd);

    // The list opens where the proposed folder would go.
    picker->showFolder(QFileInfo(QDir::fromNativeSeparators(text1_->text())).absolutePath());
    connect(picker, &ui::DriveFolderPicker::folderChanged, this,
            [this](const QString& folder) { setFolder(QDir::toNativeSeparators(folder)); });
}

void Form1::setFolder(const QString& folder) {
    text1_->setText(folder);
}

void Form1::install() {
    const installer::InstallEvents events{
        [this] {
            MessageBox::information(
                this, QStringLiteral("Güncelleme"),
                QStringLiteral("Bilgisayarınızda şu anda Marunda'nin 1.6 versionu yüklü. Eski "
                               "kayıt dosyalarınızı kullanabilmeniz için bu dosyalar 1.7 "
                               "sürümüne göre güncellenecek"));
        },
        [this] {
            return MessageBox::question(
                this, kCaption,
                QStringLiteral("Belirtilen dizin mevcut değil oluşturmak ister misiniz?"));
        },
        [this](int value) {
            cubuk_->setValue(value);
            // Painted now: the installation runs inside the click.
            cubuk_->repaint();
        }};
    endZilora(text1_->text().trimmed());
    const auto report =
        installer::install({medium_, installer_, text1_->text().trimmed().toStdString()}, events);
    const bool end = reportStop(report);
    cubuk_->setValue(0);
    if (end) {
        endProgram();
    }
}

bool Form1::reportStop(const installer::InstallReport& report) {
    const QString detail = QString::fromStdString(report.detail);
    switch (report.stop) {
    case InstallStop::none: {
        QString text = QStringLiteral("Marunda 1.7 Programı bilgisayarınıza başarıyla kurulmuştur");
        if (const QString failed = failedStepsText(report.failed); !failed.isEmpty()) {
            text += QStringLiteral("\n\n") + failed;
        }
        MessageBox::information(this, QStringLiteral("Kurulum Başarılı"), text);
        return true;
    }
    case InstallStop::missingSources:
        MessageBox::critical(
            this, kErrorTitle,
            QStringLiteral("Kur için gereken dosyalardan bir yada daha çoğu eksik. "
                           "Lütfen Kur'u kendi klasöründen çalıştırın"));
        return true;
    case InstallStop::declined:
        return true;
    case InstallStop::noWindowsFolder:
        MessageBox::critical(
            this, kErrorTitle,
            QStringLiteral("Kurulum bilgilerinin tutulacağı %1 klasörü oluşturulamadı")
                .arg(detail));
        return true;
    case InstallStop::windowsFolderReadOnly:
        MessageBox::critical(this, kErrorTitle,
                             windowsFolderReadOnlyText(QDir::toNativeSeparators(detail)));
        return true;
    case InstallStop::nameNotInCodePage:
        MessageBox::critical(this, kErrorTitle, nameNotInCodePageText(detail));
        return false;
    case InstallStop::unusableFolder:
        MessageBox::critical(this, kErrorTitle,
                             QStringLiteral("Marunda \"%1\" dizinine kurulamaz. Lütfen tam yolu "
                                            "yazılmış başka bir dizin seçin")
                                 .arg(QDir::toNativeSeparators(detail)));
        return false;
    case InstallStop::folderNotCreated:
        MessageBox::critical(this, kErrorTitle,
                             folderNotCreatedText(QDir::toNativeSeparators(detail), report.cause));
        return false;
    case InstallStop::logNotWritten:
        MessageBox::critical(
            this, kErrorTitle,
            QStringLiteral("Kurulum bilgisi yazılamadığı için kurulum tamamlanamadı"));
        return false;
    case InstallStop::copyFailed:
        MessageBox::critical(this, kErrorTitle, copyFailedText(detail, report.cause));
        return false;
    }
    return true;
}

void Form1::askToEnd() {
    if (MessageBox::question(
            this, kCaption,
            QStringLiteral("Marunda 1.7 Kur programından çıkmak istediğinize emin misiniz?"))) {
        endProgram();
    }
}

} // namespace marunda::kur
