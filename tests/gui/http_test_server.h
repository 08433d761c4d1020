#pragma once

// A small HTTP server on 127.0.0.1 for the network tests: it reads one request per connection and
// answers in the way the test chose, including the ways real servers misbehave.

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>

#include <memory>

namespace guitest {

class HttpTestServer {
public:
    enum class Mode {
        answer,  // sends the prepared response and closes
        silent,  // accepts and never says a word
        endless, // a 200 header, then body bytes for as long as the client reads
    };

    HttpTestServer() {
        server_->listen(QHostAddress::LocalHost, 0);
        QObject::connect(server_.get(), &QTcpServer::newConnection, server_.get(), [this] {
            while (QTcpSocket* socket = server_->nextPendingConnection()) {
                serve(socket);
            }
        });
    }

    static QByteArray response(int status, const QByteArray& body,
                               const QByteArray& contentType = "application/octet-stream") {
        return "HTTP/1.1 " + QByteArray::number(status) + " Durum\r\nContent-Type: " + contentType +
               "\r\nContent-Length: " + QByteArray::number(body.size()) +
               "\r\nConnection: close\r\n\r\n" + body;
    }

    void answer(const QByteArray& rawResponse) {
        mode_ = Mode::answer;
        response_ = rawResponse;
    }
    void setMode(Mode mode) { mode_ = mode; }

    quint16 port() const { return server_->serverPort(); }
    // The request heads received so far, e.g. "GET /update/update.upd HTTP/1.1".
    const QList<QByteArray>& requests() const { return requests_; }

private:
    void serve(QTcpSocket* socket) {
        auto received = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
            received->append(socket->readAll());
            if (!received->contains("\r\n\r\n")) {
                return;
            }
            requests_.append(received->left(received->indexOf("\r\n")));
            received->clear();
            respond(socket);
        });
    }

    void respond(QTcpSocket* socket) {
        switch (mode_) {
        case Mode::answer:
            socket->write(response_);
            socket->disconnectFromHost();
            break;
        case Mode::silent:
            break;
        case Mode::endless: {
            const QByteArray chunk(16 * 1024, 'x');
            QObject::connect(socket, &QTcpSocket::bytesWritten, socket, [socket, chunk] {
                if (socket->state() == QAbstractSocket::ConnectedState &&
                    socket->bytesToWrite() == 0) {
                    socket->write(chunk);
                }
            });
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n\r\n1.8,");
            break;
        }
        }
    }

    std::unique_ptr<QTcpServer> server_ = std::make_unique<QTcpServer>();
    Mode mode_ = Mode::answer;
    QByteArray response_;
    QList<QByteArray> requests_;
};

} // namespace guitest
