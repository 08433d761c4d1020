#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

// Notes when the window it watches has been painted, so a benchmark can time up to first paint.
class PaintWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            painted_ = true;
        }
        return false;
    }

    void waitForPaint() const {
        while (!painted_) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    }

private:
    bool painted_ = false;
};
