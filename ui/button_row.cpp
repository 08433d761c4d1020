#include "ui/button_row.h"

#include "ui/named_child.h"

namespace marunda::ui {

ButtonPair okCancelButtons(QWidget* parent, const QRect& okBox, int cancelX,
                           const QString& okCaption) {
    auto* ok = placed(new QPushButton(okCaption, parent), QStringLiteral("Command1"), okBox);
    ok->setDefault(true);
    auto* cancel = placed(new QPushButton(QStringLiteral("İptal"), parent),
                          QStringLiteral("Command2"), okBox.translated(cancelX - okBox.x(), 0));
    return {ok, cancel};
}

} // namespace marunda::ui
