#pragma once

#include "ui/export.h"

#include <QLabel>
#include <QTimer>

namespace marunda::ui {

// A short notice: a hidden label that a one-shot timer hides again one second after it was
// shown, putting back its resting caption.
class MARUNDA_UI_EXPORT Notice : public QLabel {
    Q_OBJECT
public:
    static constexpr int kShowMilliseconds = 1000;

    explicit Notice(const QString& restingCaption, QWidget* parent = nullptr);

    // Shows `text`; a notice still on screen is replaced and gets its full second again.
    void show(const QString& text);
    // Shows whatever caption the notice has now.
    void flash();
    QTimer* timer() { return &timer_; }
    const QTimer* timer() const { return &timer_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void expire();

    QString restingCaption_;
    QTimer timer_;
};

} // namespace marunda::ui
