#pragma once

#include "ui/export.h"

#include <QPushButton>
#include <QRect>
#include <QString>

namespace marunda::ui {

struct ButtonPair {
    QPushButton* ok;
    QPushButton* cancel;
};

// A dialog's closing pair, not yet placed: "Command1", the default button, and "Command2",
// "İptal".
MARUNDA_UI_EXPORT ButtonPair okCancelPair(QWidget* parent = nullptr,
                                          const QString& okCaption = QStringLiteral("Tamam"));

// The pair placed: "Command1" in `okBox`, and "Command2" of the same size at `cancelX`.
MARUNDA_UI_EXPORT ButtonPair okCancelButtons(QWidget* parent, const QRect& okBox, int cancelX,
                                             const QString& okCaption = QStringLiteral("Tamam"));

} // namespace marunda::ui
