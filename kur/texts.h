#pragma once

#include "installer/steps.h"

#include <QString>

#include <vector>

// Kur's messages and captions.
namespace marunda::kur {

inline const QString kCaption = QStringLiteral("Marunda 1.7 Kur");
inline const QString kErrorTitle = QStringLiteral("Hata");
inline const QString kExitQuestion = QStringLiteral("Kur'dan çıkmak istediğinize emin misiniz?");

// The sentence that names the later steps that could not be done; empty when none failed.
QString failedStepsText(const std::vector<installer::LaterStep>& failed);

} // namespace marunda::kur
