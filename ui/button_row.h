#pragma once

#include <QPushButton>
#include <QRect>
#include <QString>

namespace marunda::ui {

struct ButtonPair {
    QPushButton* ok;
    QPushButton* cancel;
};

// A dialog's closing pair: "Command1" (the default button) in `okBox`, and "Command2", "İptal",
// of the same size at `cancelX`.
ButtonPair okCancelButtons(QWidget* parent, const QRect& okBox, int cancelX,
                           const QString& okCaption = QStringLiteral("Tamam"));

} // namespace marunda::ui
