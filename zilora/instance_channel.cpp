#include "zilora/instance_channel.h"

#include "core/file_name.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace marunda::zilora {
namespace {

const QByteArray kEndRequest = "kapat\n";
// How long a Zilora that runs takes at most to answer a connection.
constexpr int kConnectMs = 1000;

QString userName() {
    const auto user = qEnvironmentVariable("USER");
    return user.isEmpty() ? qEnvironmentVariable("USERNAME") : user;
}

} // namespace

QString channelName(const QString& folder) {
    const QFileInfo info(folder);
    QString path = info.canonicalFilePath();
    if (path.isEmpty()) {
        path = QDir::cleanPath(info.absoluteFilePath());
    }
    if constexpr (kFileNamesIgnoreCase) {
        // Names that differ only in case are the same folder there.
        path = path.toLower();
    }
    const auto hash =
        QCryptographicHash::hash((userName() + u'\n' + path).toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("marunda-zilora-") + QString::fromLatin1(hash.toHex().left(24));
}

InstanceChannel::InstanceChannel(const QString& folder, QObject* parent)
    : QObject(parent)
    , name_(channelName(folder))
    , server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &InstanceChannel::answer);
}

bool InstanceChannel::claim() {
    QLocalSocket other;
    other.connectToServer(name_);
    if (other.waitForConnected(kConnectMs)) {
        return false;
    }
    // Nobody answers: what a Zilora that did not end cleanly left is stale.
    QLocalServer::removeServer(name_);
    return server_->listen(name_);
}

void InstanceChannel::answer() {
    while (auto* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                return;
            }
            if (socket->readLine() == kEndRequest) {
                server_->close();
                emit endRequested();
            }
        });
    }
}

Ending endRunningZilora(const QString& folder, int waitMs) {
    QLocalSocket zilora;
    zilora.connectToServer(channelName(folder));
    if (!zilora.waitForConnected(kConnectMs)) {
        return Ending::noneRan;
    }
    zilora.write(kEndRequest);
    zilora.waitForBytesWritten(kConnectMs);
    // The channel closes when the program ends.
    const bool closed =
        zilora.state() == QLocalSocket::UnconnectedState || zilora.waitForDisconnected(waitMs);
    return closed ? Ending::ended : Ending::stillRuns;
}

} // namespace marunda::zilora
