#include "update/update_window.h"
#include "ui/support_contact.h"

#include "update/update_download.h"
#include "update/update_server.h"

#include "core/cp1254.h"
#include "ui/fonts.h"
#include "ui/line_ends.h"
#include "ui/message_box.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <string_view>
#include <utility>

namespace marunda {
namespace {

QString fromFile(std::string_view bytes) {
    return QString::fromStdString(decodeCp1254(bytes));
}

QString failureText() {
    return QStringLiteral("Güncelleme sırasında beklenmeyen bir hata oluştu lütfen daha sonra "
                          "tekrar deneyin. ") +
           marunda::ui::supportSentence();
}

QLabel* caption(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

Update::Update(std::filesystem::path folder, QString waitingText, QWidget* parent)
    : QDialog(parent)
    , folder_(std::move(folder))
    , waitingText_(std::move(waitingText))
    , download_(new UpdateDownload(this)) {
    setObjectName(QStringLiteral("update"));
    setWindowTitle(QStringLiteral("Telefon Rehberi Internet Bilgi Güncellemesi"));
    setModal(false);
    buildControls();
    connect(download_, &UpdateDownload::finished, this, &Update::downloadFinished);
    load();
}

Update::~Update() {
    download_->cancel();
}

void Update::buildControls() {
    setFont(ui::msSansSerif(8.25));

    auto* frame = new QGroupBox(QStringLiteral("Bilgiler"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    version_ = new QLineEdit(frame);
    version_->setObjectName(QStringLiteral("version"));
    tarih_ = new QLineEdit(frame);
    tarih_->setObjectName(QStringLiteral("tarih"));
    mesaj_ = new QPlainTextEdit(frame);
    mesaj_->setObjectName(QStringLiteral("mesaj"));
    // The boxes show what the server said; there is nothing to edit or save.
    for (auto* box : {version_, tarih_}) {
        box->setReadOnly(true);
    }
    mesaj_->setReadOnly(true);
    mesaj_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mesaj_->setFixedSize(320, 96);

    auto* rows = new QGridLayout(frame);
    rows->addWidget(caption("Label1", QStringLiteral("Son Version:"), frame), 0, 0);
    rows->addWidget(version_, 0, 1);
    rows->addWidget(caption("Label2", QStringLiteral("Tarih:"), frame), 1, 0);
    rows->addWidget(tarih_, 1, 1);
    rows->addWidget(caption("Label3", QStringLiteral("Mesaj:"), frame), 2, 0,
                    Qt::AlignLeft | Qt::AlignTop);
    rows->addWidget(mesaj_, 2, 1);

    durum_ = new QLabel(this);
    durum_->setObjectName(QStringLiteral("durum"));

    command1_ = new QPushButton(QStringLiteral("Güncelle"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setDefault(true);
    command2_ = new QPushButton(QStringLiteral("Kapat"), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    connect(command1_, &QPushButton::clicked, this, &Update::startDownload);
    connect(command2_, &QPushButton::clicked, this, &Update::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(durum_, 1);
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(frame);
    layout->addLayout(buttons);
}

void Update::setDownloadDeadline(std::chrono::milliseconds deadline) {
    download_->setDeadline(deadline);
}

bool Update::isWaiting() const {
    return download_->isRunning();
}

void Update::reject() {
    download_->cancel();
    setWaiting(false);
    QDialog::reject();
}

// A missing or incomplete file is what a fresh installation has: empty boxes, no message.
void Update::load() {
    if (const auto info = readUpdateFile(folder_)) {
        showInfo(info.value());
    }
}

void Update::startDownload() {
    if (isWaiting()) {
        return;
    }
    setWaiting(true);
    download_->start(updateDocumentUrl());
}

void Update::downloadFinished(bool complete, int httpStatus, const QByteArray& body) {
    setWaiting(false);
    if (complete) {
        const auto info = acceptUpdateResponse(
            folder_, httpStatus, std::string_view(body.constData(), std::size_t(body.size())));
        if (info) {
            showInfo(info.value());
            return;
        }
    }
    ui::MessageBox::critical(this, QStringLiteral("Güncelleme Hatası"), failureText());
}

void Update::showInfo(const UpdateInfo& info) {
    version_->setText(fromFile(info.version));
    tarih_->setText(fromFile(info.date));
    mesaj_->setPlainText(ui::shownLineEnds(fromFile(info.message)));
}

// The wait ends with durum empty whatever the outcome: a "please wait" left standing after a
// failure would tell the user something is still running.
void Update::setWaiting(bool waiting) {
    durum_->setText(waiting ? waitingText_ : QString());
    command1_->setEnabled(!waiting);
    command2_->setEnabled(!waiting);
}

} // namespace marunda
