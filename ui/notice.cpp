#include "ui/notice.h"

#include "ui/fonts.h"

#include <QEvent>

namespace marunda::ui {

Notice::Notice(const QString& restingCaption, QWidget* parent)
    : QLabel(restingCaption, parent)
    , restingCaption_(restingCaption) {
    setTextFormat(Qt::PlainText);
    timer_.setSingleShot(true);
    timer_.setInterval(kShowMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &Notice::expire);
    hide();
}

void Notice::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        setContentsMargins(0, accentRoom(font()), 0, 0);
    }
}

void Notice::show(const QString& text) {
    setText(text);
    flash();
}

void Notice::flash() {
    QLabel::show();
    timer_.start();
}

void Notice::expire() {
    hide();
    setText(restingCaption_);
}

} // namespace marunda::ui
