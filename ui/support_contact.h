#pragma once

#include <QString>

// Where users get help; every message and window that names it takes it from here.
namespace marunda::ui {

inline QString supportEmail() {
    return QStringLiteral("destek@example.com");
}
inline QString supportTeam() {
    return QStringLiteral("Marunda Destek Ekibi");
}
inline QString supportWeb() {
    return QStringLiteral("http://www.example.com");
}

// The sentence that closes an error message.
inline QString supportSentence() {
    return QStringLiteral("Sorun sürerse %1 ile %2 adresinden iletişime geçebilirsiniz.")
        .arg(supportTeam(), supportEmail());
}

} // namespace marunda::ui
