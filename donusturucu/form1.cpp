#include "donusturucu/form1.h"

#include "converter/installation_conversion.h"
#include "platform/platform.h"
#include "ui/fonts.h"
#include "ui/message_box.h"
#include "ui/progress_bar.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace marunda::donusturucu {

using ui::MessageBox;

namespace {

const QString kTitle = QStringLiteral("Tavira");

QString failureText(const Error& error) {
    switch (error.code) {
    case ErrorCode::changed:
        // A 1.6 original of an earlier conversion is never overwritten: the user has to move it.
        return QStringLiteral("Klasörde daha önceki bir dönüştürmeden kalan %1 dosyası var. "
                              "Lütfen bu dosyayı başka bir klasöre taşıyıp yeniden deneyin")
            .arg(QString::fromStdString(error.detail));
    case ErrorCode::ambiguous:
        return QStringLiteral("Kayıt dosyalarının 1.6 versionuna mı yoksa 1.7 versionuna mı ait "
                              "olduğu anlaşılamadığı için hiçbir kayıt dönüştürülmedi");
    case ErrorCode::unwritable:
        // A full disk or a read-only file or folder: 1.6 is there all right.
        return QStringLiteral("Kayıt dosyalarına yazılamadığı için dönüştürme yapılamadı. Lütfen "
                              "diskte yer olduğundan ve dosyaların salt okunur olmadığından emin "
                              "olup yeniden deneyin");
    default:
        return QStringLiteral("Sisteminizde şu anda Marunda 1.6 yüklü değil yada yanlış "
                              "yüklenmiş. Lütfen önce 1.6 versionunu yükleyin");
    }
}

} // namespace

Form1::Form1(std::filesystem::path ownFolder, QWidget* parent)
    : QWidget(parent)
    , ownFolder_(std::move(ownFolder)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Marunda 1.7 İçin Tavira"));
    build();
}

void Form1::build() {
    setFixedSize(296, 150);
    setFont(ui::msSansSerif(8.25));
    auto* frame = new QGroupBox(kTitle, this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(8, 4, 280, 106);

    auto* label = new QLabel(
        QStringLiteral("Tavira programı Marunda 1.6 yüklü bilgisayarlarda eski kayıt dosyalarını "
                       "1.7 versionuna dönüştürmeye yarar. Bilgisayarınızda Marunda 1.7 yüklü ise "
                       "kullanmanıza gerek yoktur."),
        frame);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    label->setGeometry(8, 18, 264, 56);

    cubuk_ = ui::placedProgressBar(frame, {8, 80, 264, 18});

    command1_ = new QPushButton(QStringLiteral("Dönüştür"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(196, 116, 92, 26);
    command1_->setDefault(true);
    connect(command1_, &QPushButton::clicked, this, &Form1::convert);
}

void Form1::showProgress(std::size_t done, std::size_t total) {
    // A range of 0 to 0 would make the bar a busy indicator.
    cubuk_->setRange(0, std::max(static_cast<int>(total), 1));
    cubuk_->setValue(static_cast<int>(done));
    // Painted now: the conversion runs inside the click and the event loop waits for it.
    cubuk_->repaint();
}

void Form1::convert() {
    auto windows = platform::windowsFolder();
    const auto outcome =
        windows ? converter::convertInstallation(
                      windows.value(),
                      [this](std::size_t done, std::size_t total) { showProgress(done, total); },
                      ownFolder_)
                : Result<converter::Outcome>(windows.error());
    cubuk_->setValue(0);
    if (!outcome) {
        MessageBox::critical(this, QStringLiteral("Hata"), failureText(outcome.error()));
        return;
    }
    switch (outcome.value()) {
    case converter::Outcome::converted:
        break;
    case converter::Outcome::markerRestored:
        MessageBox::information(
            this, kTitle,
            QStringLiteral("Sisteminizde bulunan kayıt dosyaları zaten 1.7 versionuna göre "
                           "düzenlenmiş, yalnızca bilgi.dat dosyasında eksik olan sürüm işareti "
                           "yeniden yazıldı"));
        break;
    case converter::Outcome::alreadyConverted:
        MessageBox::information(
            this, kTitle,
            QStringLiteral(
                "Sisteminizde bulunan kayıt dosyaları zaten 1.7 versionuna göre düzenlenmiş"));
        emit programEnded();
        break;
    }
}

} // namespace marunda::donusturucu
