#include "ui/button_row.h"

#include "ui/named_child.h"

namespace marunda::ui {

ButtonPair okCancelPair(QWidget* parent, const QString& okCaption) {
    auto* ok = named(new QPushButton(okCaption, parent), "Command1");
    ok->setDefault(true);
    return {ok, named(new QPushButton(QStringLiteral("İptal"), parent), "Command2")};
}

ButtonPair okCancelButtons(QWidget* parent, const QRect& okBox, int cancelX,
                           const QString& okCaption) {
    const ButtonPair pair = okCancelPair(parent, okCaption);
    pair.ok->setGeometry(okBox);
    pair.cancel->setGeometry(okBox.translated(cancelX - okBox.x(), 0));
    return pair;
}

} // namespace marunda::ui
