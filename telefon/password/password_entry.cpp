#include "telefon/password/password_entry.h"

#include "core/result.h"

#include <QLineEdit>
#include <QPushButton>

namespace marunda::telefon {

void maskEntry(QLineEdit& box) {
    box.setEchoMode(QLineEdit::Password);
    box.setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
}

void makeDefault(QPushButton* button, std::initializer_list<QPushButton*> buttons) {
    for (QPushButton* each : buttons) {
        each->setDefault(each == button);
    }
}

QString passwordFileProblem(const marunda::Error& error) {
    switch (error.code) {
    case marunda::ErrorCode::notFound:
        return QStringLiteral("'data.dat' dosyası bulunamıyor.");
    case marunda::ErrorCode::badFormat:
        return QStringLiteral("'data.dat' dosyası bozuk.");
    case marunda::ErrorCode::unwritable:
        return QStringLiteral("'data.dat' dosyasına yazılamıyor.");
    default:
        break;
    }
    return QStringLiteral("'data.dat' dosyası okunamıyor.");
}

} // namespace marunda::telefon
