#pragma once

// Shared by the window tests: a program folder of real files in a temporary folder, and ways to
// find and work controls by their names.

#include "core/contact_record.h"
#include "core/password_file.h"
#include "core/record_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <string>
#include <utility>
#include <vector>

namespace guitest {

// data.dat as first-run creation leaves it: no password.
inline QByteArray passwordFiller() {
    QByteArray bytes;
    for (int i = 0; i < 100; ++i) {
        bytes.append(marunda::kPasswordFiller.data(),
                     static_cast<qsizetype>(marunda::kPasswordFiller.size()));
    }
    return bytes;
}

// `base` with byte 1 `marker` and the code page 1254 `characters` from byte 10 in steps of 20.
inline QByteArray passwordFile(char marker, const QByteArray& characters,
                               QByteArray base = passwordFiller()) {
    base[0] = marker;
    for (qsizetype k = 0; k < characters.size(); ++k) {
        base[9 + 20 * k] = characters[k];
    }
    return base;
}

// A fresh program folder, removed afterwards.
class ProgramFolder {
public:
    ProgramFolder()
        : dir_(QDir::tempPath() + "/marunda-gui-XXXXXX") {}
    // The programs make their folder the current one, and Windows keeps a folder that a process
    // stands in.
    ~ProgramFolder() { QDir::setCurrent(QDir::tempPath()); }

    // Through UTF-16: a narrow string would be read in the ANSI code page on Windows.
    std::filesystem::path path() const { return dir_.path().toStdU16String(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    marunda::RecordStore store() const { return marunda::RecordStore(path()); }

    bool exists(const QString& name) const { return QFile::exists(filePath(name)); }
    QByteArray read(const QString& name) const {
        QFile file(filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(filePath(name));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(bytes);
        }
    }

    // An installed book holding `records`, with its counter and an unset password.
    void writeBook(const std::vector<marunda::ContactRecord>& records) const {
        QByteArray book;
        for (const auto& record : records) {
            book.append(record.bytes().data(), static_cast<qsizetype>(record.bytes().size()));
        }
        write("telefon.dat", book);
        write("bilgi.dat", QByteArray::fromStdString(
                               marunda::counterFileBytes(static_cast<int>(records.size()) + 1)));
        write("data.dat", passwordFiller());
    }

private:
    QTemporaryDir dir_;
};

inline marunda::ContactRecord record(std::vector<std::pair<marunda::Field, QString>> fields) {
    marunda::ContactRecord r;
    for (const auto& [field, text] : fields) {
        r.setText(field, text.toStdString());
    }
    return r;
}

// A record whose every field names its page, e.g. "name 2", "phone1 2".
inline marunda::ContactRecord pageRecord(int page) {
    static const char* const names[] = {
        "name",   "phone1", "phone2", "phone3", "fax",  "address",  "birthday",  "notes",
        "email1", "email2", "email3", "icqa",   "icqb", "internet", "taxOffice", "taxNumber"};
    marunda::ContactRecord r;
    for (std::size_t i = 0; i < marunda::kFieldCount; ++i) {
        r.setText(static_cast<marunda::Field>(i), std::string(names[i]) + std::to_string(page));
    }
    return r;
}

// The bytes of a record as telefon.dat holds them, and of bilgi.dat for a counter.
inline QByteArray bytesOf(const marunda::ContactRecord& record) {
    return QByteArray(record.bytes().data(), static_cast<qsizetype>(record.bytes().size()));
}
inline QByteArray counterFile(int counter) {
    return QByteArray::fromStdString(marunda::counterFileBytes(counter));
}

template <class T = QWidget> T* control(const QObject* root, const QString& name) {
    return root->findChild<T*>(name);
}

inline void click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(widget, button, Qt::NoModifier, widget->rect().center());
}

// A double-click as the mouse makes it: click, then the second press as a double-click.
inline void doubleClick(QWidget* widget) {
    const QPoint at = widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
}

// Two moves, as a move to where the mouse already is would not be delivered.
inline void hover(QWidget* widget, QPoint at = {}) {
    const QPoint to = at.isNull() ? widget->rect().center() : at;
    QTest::mouseMove(widget, to + QPoint(to.x() > 0 ? -1 : 1, 0));
    QTest::mouseMove(widget, to);
}

// Key presses carrying each character, Turkish letters too (QTest::keyClicks is Latin-1 only).
inline void typeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

} // namespace guitest
