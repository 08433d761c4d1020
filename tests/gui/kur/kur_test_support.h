#pragma once

// Kur's window tests: a home of their own (HOME and XDG_* in a temporary folder, so the real
// platform writes there), and a medium of small stand-ins. On Windows the platform's folders
// are the system's own, shared by every test of the prefix: what Kur puts there is removed when
// a test begins and ends.

#include "installer/backup.h"
#include "installer/installation_log.h"
#include "installer/medium.h"
#include "installer/shortcuts.h"
#include "platform/platform.h"
#include "ui/message_box.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace kurtest {

inline QString qtPath(const marunda::Result<std::filesystem::path>& folder) {
    return folder
               ? QDir::fromNativeSeparators(QString::fromStdU16String(folder.value().u16string()))
               : QString();
}

class Home {
public:
    Home() {
        qputenv("HOME", dir_.path().toUtf8());
        qputenv("XDG_DATA_HOME", dir_.filePath("data").toUtf8());
        qputenv("XDG_CONFIG_HOME", dir_.filePath("config").toUtf8());
        windowsFolder_ = qtPath(marunda::platform::windowsFolder());
        desktop_ = qtPath(marunda::platform::desktopFolder());
        clearShared();
        QDir(dir_.path()).mkpath("medium");
        for (const auto& file : marunda::installer::installedFiles()) {
            write("medium/" + QString::fromStdString(file.source),
                  file.program ? kProgram : "stand-in");
        }
        for (const auto& file : marunda::installer::uninstallerRuntime()) {
            write("medium/" + QString::fromStdString(marunda::installer::runtimeSource(file)),
                  "stand-in");
        }
        for (const auto icon : marunda::installer::programIcons()) {
            for (const int size : marunda::installer::kThemeIconSizes) {
                write("medium/" +
                          QString::fromStdString(marunda::installer::iconSource(icon, size)),
                      "stand-in");
            }
        }
        write("medium/Kur", "stand-in Kur");
    }
    ~Home() { clearShared(); }
    Home(const Home&) = delete;
    Home& operator=(const Home&) = delete;

    QString path(const QString& name = {}) const { return QDir(dir_.path()).filePath(name); }
    std::filesystem::path fsPath(const QString& name) const {
        const QByteArray utf8 = path(name).toUtf8();
        return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
    }
    QString windowsFolder() const { return windowsFolder_; }
    QString inWindows(const QString& name) const { return windowsFolder_ + "/" + name; }
    QString onDesktop(const QString& name) const { return desktop_ + "/" + name; }
    // The desktop shortcut to Telefon.
    QString shortcut() const {
#ifdef _WIN32
        return onDesktop("Marunda.lnk");
#else
        return onDesktop("Marunda.desktop");
#endif
    }
    // Whether Zilora starts at logon.
    bool startsAtLogon() const {
#ifdef _WIN32
        for (const char* root : {"HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER"}) {
            QSettings run(QString(root) + "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                          QSettings::NativeFormat);
            if (run.contains("Zilora")) {
                return true;
            }
        }
        return false;
#else
        return exists("config/autostart/Zilora.desktop");
#endif
    }

    // Relative names are in the home, absolute ones anywhere.
    bool exists(const QString& name) const {
        return QFile::exists(path(name));
    }
    QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QDir().mkpath(QFileInfo(path(name)).path());
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // The log of an installation into `folder`.
    void writeLog(const QString& folder) const {
        write(inWindows("Marunda_17.log"), "\"" + folder.toUtf8() + "\"\r\n");
    }

private:
    // Scripts that end at once, so that Zilora is started for real. Windows runs no scripts of
    // that name: there the stand-ins are no programs and Zilora's start fails.
#ifdef _WIN32
    static constexpr const char* kProgram = "stand-in";
#else
    static constexpr const char* kProgram = "#!/bin/sh\nexit 0\n";
#endif

    void clearShared() const {
#ifdef _WIN32
        namespace installer = marunda::installer;
        namespace platform = marunda::platform;
        (void)platform::removeProgramGroup(installer::kGroup, installer::groupItems({}, {}));
        (void)platform::removeDesktopShortcut(installer::kDesktopCaption);
        (void)platform::removeLogonEntry(installer::kLogonName);
        for (const auto& name : {std::string(installer::kLog17), std::string("Marunda_16.log"),
                                 installer::uninstallerName()}) {
            QFile::remove(inWindows(QString::fromStdString(name)));
        }
        QDir(inWindows(QString::fromLatin1(installer::kRuntimeFolder))).removeRecursively();
        // The backup, and earlier ones kept beside it under their dates.
        const QString backup = QString::fromUtf8(installer::kBackupFolder.data(),
                                                 qsizetype(installer::kBackupFolder.size()));
        for (const QString& name : QDir(desktop_).entryList({backup + "*"}, QDir::Dirs)) {
            QDir(onDesktop(name)).removeRecursively();
        }
#endif
    }

    QTemporaryDir dir_;
    QString windowsFolder_;
    QString desktop_;
};

// The messages shown, as "title: text".
inline QStringList messages() {
    QStringList texts;
    for (const auto& shown : marunda::ui::MessageBox::shown()) {
        texts.append(shown.title + ": " + shown.text);
    }
    return texts;
}

} // namespace kurtest
