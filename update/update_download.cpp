#include "update/update_download.h"

#include "core/update_info.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <utility>

namespace marunda {
namespace {

constexpr qint64 kLimit = static_cast<qint64>(kUpdateBodyLimit);

} // namespace

UpdateDownload::UpdateDownload(QObject* parent)
    : QObject(parent)
    , network_(new QNetworkAccessManager(this)) {
    deadlineTimer_.setSingleShot(true);
    connect(&deadlineTimer_, &QTimer::timeout, this, &UpdateDownload::fail);
}

UpdateDownload::~UpdateDownload() {
    release();
}

void UpdateDownload::start(const QUrl& url) {
    if (isRunning()) {
        return;
    }
    body_.clear();
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    reply_ = network_->get(request);
    // Qt stops reading the socket once this much waits unread; we drain it on every readyRead.
    reply_->setReadBufferSize(kLimit + 1);
    connect(reply_, &QNetworkReply::metaDataChanged, this, &UpdateDownload::checkAnnouncedLength);
    connect(reply_, &QNetworkReply::readyRead, this, &UpdateDownload::readAvailable);
    connect(reply_, &QNetworkReply::finished, this, &UpdateDownload::complete);
    deadlineTimer_.start(deadline_);
}

void UpdateDownload::cancel() {
    release();
}

void UpdateDownload::checkAnnouncedLength() {
    const auto length = reply_->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > kLimit) {
        fail();
    }
}

void UpdateDownload::readAvailable() {
    body_ += reply_->read(kLimit + 1 - body_.size());
    if (body_.size() > kLimit) {
        fail();
    }
}

void UpdateDownload::complete() {
    readAvailable();
    if (!isRunning()) {
        return; // the last bytes went over the limit
    }
    const bool ok = reply_->error() == QNetworkReply::NoError;
    const int status = httpStatus();
    auto body = std::move(body_);
    release();
    emit finished(ok, status, body);
}

void UpdateDownload::fail() {
    if (!isRunning()) {
        return;
    }
    const int status = httpStatus();
    release();
    emit finished(false, status, {});
}

int UpdateDownload::httpStatus() const {
    return reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

// Detaches first, so nothing reads the reply after this. The abort itself waits for the event
// loop: Qt does not allow aborting from inside the reply's own signals.
void UpdateDownload::release() {
    deadlineTimer_.stop();
    body_.clear();
    if (QNetworkReply* reply = std::exchange(reply_, nullptr)) {
        reply->disconnect(this);
        QTimer::singleShot(0, reply, [reply] {
            reply->abort();
            reply->deleteLater();
        });
    }
}

} // namespace marunda
