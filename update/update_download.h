#pragma once

#include "update/export.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <QUrl>

#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;

namespace marunda {

// One GET of the update document at a time. The wait has an overall deadline (a per-transfer
// timeout would restart with every byte of a server that trickles) and the body may not grow
// past the document limit, so no server can keep the window waiting.
class MARUNDA_UPDATE_EXPORT UpdateDownload : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDefaultDeadline{30000};

    explicit UpdateDownload(QObject* parent = nullptr);
    ~UpdateDownload() override;

    void setDeadline(std::chrono::milliseconds deadline) { deadline_ = deadline; }
    std::chrono::milliseconds deadline() const { return deadline_; }
    bool isRunning() const { return reply_ != nullptr; }

    // Ignored while a download runs. Every started download ends in exactly one finished().
    void start(const QUrl& url);
    // Ends a running download quietly: no finished().
    void cancel();

signals:
    // `complete`: the whole body arrived within the deadline and the limit, without a network
    // or HTTP error. `httpStatus` is 0 when no answer came.
    void finished(bool complete, int httpStatus, const QByteArray& body);

private:
    void readAvailable();
    void checkAnnouncedLength();
    void complete();
    void fail();
    int httpStatus() const;
    void release();

    QNetworkAccessManager* network_;
    QNetworkReply* reply_ = nullptr;
    QTimer deadlineTimer_;
    QByteArray body_;
    std::chrono::milliseconds deadline_ = kDefaultDeadline;
};

} // namespace marunda
