#include "folder_fixture.h"
#include "http_test_server.h"

#include "ui/message_box.h"
#include "update/update_server.h"
#include "update/update_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using guitest::HttpTestServer;
using marunda::Update;
using marunda::ui::MessageBox;

namespace {

const QString kFailureTitle = QStringLiteral("Güncelleme Hatası");
const QString kFailureStart = QStringLiteral(
    "Güncelleme sırasında beklenmeyen bir hata oluştu lütfen daha sonra tekrar deneyin. ");
// "Yeni sürüm, daha hızlı" in code page 1254.
const QByteArray kGoodBody = "\"1.8\", \"8.12.2026\",\"Yeni s\xFCr\xFCm, daha h\xFDzl\xFD\"\r\n";
const QByteArray kOldFile = "1.7,\"1.1.2026\",\"Eski haber\"\r\n";

void setServer(const QString& server) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       marunda::kSettingsOrganization, marunda::kSettingsApplication);
    if (server.isNull()) {
        settings.remove(marunda::kUpdateServerKey);
    } else {
        settings.setValue(marunda::kUpdateServerKey, server);
    }
}

QString local(const HttpTestServer& server) {
    return QStringLiteral("http://127.0.0.1:%1").arg(server.port());
}

// A port nobody listens on: the connection is refused at once.
quint16 closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

} // namespace

class UpdateTest : public guitest::FolderFixture {
    Q_OBJECT

private:
    QTemporaryDir settingsDir_;

    std::unique_ptr<Update>
    open(const QString& waitingText = QStringLiteral("Lütfen Bekleyin...")) {
        auto window = std::make_unique<Update>(folder_->path(), waitingText);
        window->setDownloadDeadline(std::chrono::milliseconds(500));
        window->show();
        return window;
    }

    static QStringList boxes(const Update& window) {
        return {guitest::control<QLineEdit>(&window, "version")->text(),
                guitest::control<QLineEdit>(&window, "tarih")->text(),
                guitest::control<QPlainTextEdit>(&window, "mesaj")->toPlainText()};
    }
    static QString durum(const Update& window) {
        return guitest::control<QLabel>(&window, "durum")->text();
    }
    static QPushButton* button(const Update& window, const char* name) {
        return guitest::control<QPushButton>(&window, name);
    }

private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
        FolderFixture::initTestCase();
    }

    void init() {
        FolderFixture::init();
        setServer({});
    }

    void showsTheLocalFileAtOpening_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("shown");
        const QStringList empty{"", "", ""};
        QTest::newRow("no file") << QByteArray() << empty;
        QTest::newRow("two items") << QByteArray("\"1.8\",\"8.12.2026\"\r\n") << empty;
        QTest::newRow("empty file") << QByteArray("") << empty;
        QTest::newRow("items after the third ignored")
            << QByteArray("1,2,3,4,\"5") << QStringList{"1", "2", "3"};
        QTest::newRow("quoted items with commas")
            << kGoodBody << QStringList{"1.8", "8.12.2026", "Yeni sürüm, daha hızlı"};
        QTest::newRow("bare numbers as written")
            << QByteArray("1.80,20261208,\"x\"\r\n") << QStringList{"1.80", "20261208", "x"};
        QTest::newRow("message on two lines")
            << QByteArray("2.0,\"1.1.2027\",\"Birinci sat\xFDr\r\n\xDDkinci\"")
            << QStringList{"2.0", "1.1.2027", "Birinci satır\nİkinci"};
    }
    void showsTheLocalFileAtOpening() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, shown);
        if (!file.isNull()) {
            folder_->write("update.upd", file);
        }
        const auto window = open();
        QCOMPARE(window->windowTitle(),
                 QStringLiteral("Telefon Rehberi Internet Bilgi Güncellemesi"));
        QCOMPARE(boxes(*window), shown);
        QCOMPARE(durum(*window), QString());
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(folder_->exists("update.upd"), !file.isNull());
    }

    void downloadsAndKeepsTheDocument() {
        HttpTestServer server;
        server.answer(HttpTestServer::response(200, kGoodBody));
        setServer(local(server));
        folder_->write("update.upd", kOldFile);
        auto window = open();

        QTest::keyClick(window.get(), Qt::Key_Return); // "Güncelle" is the default button
        QVERIFY(window->isWaiting());
        QCOMPARE(durum(*window), QStringLiteral("Lütfen Bekleyin..."));
        QVERIFY(!button(*window, "Command1")->isEnabled());
        QVERIFY(!button(*window, "Command2")->isEnabled());
        QTest::keyClick(window.get(), Qt::Key_Return);
        QTRY_VERIFY(!window->isWaiting());

        QCOMPARE(server.requests(), QList<QByteArray>{"GET /update/update.upd HTTP/1.1"});
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(folder_->read("update.upd"), kGoodBody);
        const QStringList expected{"1.8", "8.12.2026", "Yeni sürüm, daha hızlı"};
        QCOMPARE(boxes(*window), expected);
        QCOMPARE(durum(*window), QString());
        QVERIFY(button(*window, "Command1")->isEnabled());

        window.reset();
        const auto reopened = open();
        QCOMPARE(boxes(*reopened), expected);
        QCOMPARE(server.requests().size(), 1);
    }

    void failureKeepsTheLastGoodInformation_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("response");
        QTest::addColumn<QString>("server"); // empty: the test server
        QTest::addColumn<bool>("hadFile");
        const auto answer = static_cast<int>(HttpTestServer::Mode::answer);
        const QByteArray html = "<html><head><title>404 Not Found</title></head>\n<body>\n"
                                "<h1>Not Found</h1>\n</body></html>\n";
        QTest::newRow("refused connection")
            << answer << QByteArray() << QStringLiteral("http://127.0.0.1:%1").arg(closedPort())
            << true;
        QTest::newRow("404 with an HTML body")
            << answer << HttpTestServer::response(404, html, "text/html") << QString() << true;
        QTest::newRow("404 on a fresh installation")
            << answer << HttpTestServer::response(404, html, "text/html") << QString() << false;
        QTest::newRow("two items")
            << answer << HttpTestServer::response(200, "\"1.8\",\"8.12.2026\"\r\n") << QString()
            << true;
        QTest::newRow("server never answers")
            << static_cast<int>(HttpTestServer::Mode::silent) << QByteArray() << QString() << true;
        QTest::newRow("body without end")
            << static_cast<int>(HttpTestServer::Mode::endless) << QByteArray() << QString() << true;
        QTest::newRow("announced body over the limit")
            << answer << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 65537\r\n\r\n") + kGoodBody
            << QString() << true;
        QTest::newRow("body over the limit")
            << answer << HttpTestServer::response(200, kGoodBody + QByteArray(64 * 1024, ' '))
            << QString() << true;
        QTest::newRow("connection lost mid-body")
            << answer << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 500\r\n\r\n") + kGoodBody
            << QString() << true;
        QTest::newRow("setting is not a server")
            << answer << QByteArray() << QStringLiteral("ftp://127.0.0.1") << true;
    }
    void failureKeepsTheLastGoodInformation() {
        QFETCH(int, mode);
        QFETCH(QByteArray, response);
        QFETCH(QString, server);
        QFETCH(bool, hadFile);
        HttpTestServer http;
        http.answer(response);
        http.setMode(static_cast<HttpTestServer::Mode>(mode));
        setServer(server.isEmpty() ? local(http) : server);
        if (hadFile) {
            folder_->write("update.upd", kOldFile);
        }
        const auto window = open();
        const auto before = boxes(*window);

        guitest::click(button(*window, "Command1"));
        QTRY_VERIFY(!window->isWaiting());

        QCOMPARE(MessageBox::shown().size(), 1);
        const auto message = MessageBox::shown().first();
        QCOMPARE(message.icon, MessageBox::Icon::critical);
        QCOMPARE(message.title, kFailureTitle);
        QVERIFY2(message.text.startsWith(kFailureStart), qPrintable(message.text));
        QVERIFY(message.text.size() > kFailureStart.size());
        QCOMPARE(boxes(*window), before);
        QCOMPARE(folder_->exists("update.upd"), hadFile);
        if (hadFile) {
            QCOMPARE(folder_->read("update.upd"), kOldFile);
        }
        QCOMPARE(durum(*window), QString());
        QVERIFY(button(*window, "Command1")->isEnabled());
        QVERIFY(button(*window, "Command2")->isEnabled());
    }

    void reminderWaitsWithItsOwnText() {
        HttpTestServer server;
        server.setMode(HttpTestServer::Mode::silent);
        setServer(local(server));
        const auto window = open(QStringLiteral("Lütfen Bekleyin"));
        guitest::click(button(*window, "Command1"));
        QCOMPARE(durum(*window), QStringLiteral("Lütfen Bekleyin"));
        QTRY_VERIFY(!window->isWaiting());
        QCOMPARE(MessageBox::shown().size(), 1);
    }

    void enterOnAFocusedKapatClosesWithoutADownload() {
        HttpTestServer server;
        setServer(local(server));
        const auto window = open();
        auto* kapat = button(*window, "Command2");
        kapat->setFocus(Qt::TabFocusReason);
        QTest::keyClick(kapat, Qt::Key_Return);
        QVERIFY(!window->isWaiting());
        QVERIFY(!window->isVisible());
        QVERIFY(server.requests().isEmpty());
    }

    void closingWhileWaitingAbandonsTheDownload() {
        HttpTestServer server;
        server.setMode(HttpTestServer::Mode::silent);
        setServer(local(server));
        folder_->write("update.upd", kOldFile);
        auto window = open();
        QPointer<Update> guard(window.release());
        guard->setAttribute(Qt::WA_DeleteOnClose);
        guitest::click(button(*guard, "Command1"));
        QTRY_COMPARE(server.requests().size(), 1);

        QTest::keyClick(guard.data(), Qt::Key_Escape);
        QTRY_VERIFY(guard.isNull());
        QVERIFY(MessageBox::shown().isEmpty());
        QCOMPARE(folder_->read("update.upd"), kOldFile);
    }

    void findsTheDocumentOnTheConfiguredServer_data() {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("url"); // empty: no usable address
        QTest::newRow("host and port") << "http://127.0.0.1:8080"
                                       << "http://127.0.0.1:8080/update/update.upd";
        QTest::newRow("bare host means http") << " update.example.com "
                                              << "http://update.example.com/update/update.upd";
        QTest::newRow("https with a folder") << "https://example.com/ayna/"
                                             << "https://example.com/ayna/update/update.upd";
        QTest::newRow("other scheme") << "ftp://example.com"
                                      << "";
        QTest::newRow("no host") << "http://"
                                 << "";
        QTest::newRow("query") << "http://example.com/?a=1"
                               << "";
    }
    void findsTheDocumentOnTheConfiguredServer() {
        QFETCH(QString, server);
        QFETCH(QString, url);
        const QUrl got = marunda::updateDocumentUrl(server);
        QCOMPARE(got.isValid(), !url.isEmpty());
        if (!url.isEmpty()) {
            QCOMPARE(got.toString(), url);
        }
    }

    void theSettingOverridesTheBuiltInServer() {
        QVERIFY(marunda::updateDocumentUrl(marunda::builtInUpdateServer()).isValid());
        QCOMPARE(marunda::configuredUpdateServer(), marunda::builtInUpdateServer());
        setServer("   ");
        QCOMPARE(marunda::configuredUpdateServer(), marunda::builtInUpdateServer());
        setServer("http://127.0.0.1:9");
        QCOMPARE(marunda::configuredUpdateServer(), QStringLiteral("http://127.0.0.1:9"));
    }
};

QTEST_MAIN(UpdateTest)
#include "update_test.moc"
