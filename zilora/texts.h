#pragma once

#include <QString>

// Texts that more than one of Zilora's windows show.
namespace marunda::zilora {

inline QString credit() {
    return QStringLiteral("Marunda Geliştirme Ekibi");
}

} // namespace marunda::zilora
