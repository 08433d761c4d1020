#pragma once

#include "ui/export.h"

#include <QList>
#include <QString>

class QWidget;

namespace marunda::ui {

// Message boxes with Turkish buttons ("Tamam", "Evet", "Hayır"). Every box is recorded, and in
// test mode none is shown: questions take their answer from setNextAnswer (else "Hayır").
class MARUNDA_UI_EXPORT MessageBox {
public:
    enum class Icon { information, question, critical };
    struct Shown {
        Icon icon;
        QString title;
        QString text;
    };

    static void critical(QWidget* parent, const QString& title, const QString& text);
    static void information(QWidget* parent, const QString& title, const QString& text);
    // True for "Evet".
    static bool question(QWidget* parent, const QString& title, const QString& text);

    static void setTestMode(bool on);
    // Queues the answer of the next question; switches test mode on.
    static void setNextAnswer(bool yes);
    static QList<Shown> shown();
    static void clearShown();

private:
    static bool ask(QWidget* parent, Icon icon, const QString& title, const QString& text);
};

} // namespace marunda::ui
