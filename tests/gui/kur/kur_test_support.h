#pragma once

// Kur's window tests: a home of their own (HOME and XDG_* in a temporary folder, so the real
// platform writes there), and a medium of small stand-ins.

#include "installer/medium.h"
#include "ui/message_box.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace kurtest {

class Home {
public:
    Home() {
        qputenv("HOME", dir_.path().toUtf8());
        qputenv("XDG_DATA_HOME", dir_.filePath("data").toUtf8());
        qputenv("XDG_CONFIG_HOME", dir_.filePath("config").toUtf8());
        QDir(dir_.path()).mkpath("medium");
        for (const auto& file : marunda::installer::installedFiles()) {
            // The programs are scripts that end at once: Zilora is started for real.
            write("medium/" + QString::fromStdString(file.source),
                  file.program ? "#!/bin/sh\nexit 0\n" : "stand-in");
        }
        for (const auto& file : marunda::installer::uninstallerRuntime()) {
            write("medium/Marunda.Qt/" + QString::fromStdString(file), "stand-in");
        }
        write("medium/Kur", "stand-in Kur");
    }

    QString path(const QString& name = {}) const {
        return name.isEmpty() ? dir_.path() : dir_.filePath(name);
    }
    std::filesystem::path fsPath(const QString& name) const {
        const QByteArray utf8 = path(name).toUtf8();
        return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
    }
    QString windowsFolder() const { return path("data/Marunda"); }
    bool exists(const QString& name) const { return QFile::exists(path(name)); }
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
        QDir().mkpath(windowsFolder());
        write("data/Marunda/Marunda_17.log", "\"" + folder.toUtf8() + "\"\r\n");
    }

private:
    QTemporaryDir dir_;
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
