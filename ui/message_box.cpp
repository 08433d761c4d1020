#include "ui/message_box.h"

#include <QMessageBox>
#include <QPushButton>
#include <QQueue>

namespace marunda::ui {
namespace {

struct TestState {
    bool testMode = false;
    QQueue<bool> answers;
    QList<MessageBox::Shown> shown;
};

TestState& state() {
    static TestState s;
    return s;
}

QMessageBox::Icon qtIcon(MessageBox::Icon icon) {
    switch (icon) {
    case MessageBox::Icon::information:
        return QMessageBox::Information;
    case MessageBox::Icon::question:
        return QMessageBox::Question;
    case MessageBox::Icon::critical:
        break;
    }
    return QMessageBox::Critical;
}

bool execBox(QWidget* parent, MessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::NoButton, parent);
    if (icon != MessageBox::Icon::question) {
        box.setDefaultButton(box.addButton(QStringLiteral("Tamam"), QMessageBox::AcceptRole));
        box.exec();
        return true;
    }
    QPushButton* yes = box.addButton(QStringLiteral("Evet"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Hayır"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

} // namespace

void MessageBox::critical(QWidget* parent, const QString& title, const QString& text) {
    ask(parent, Icon::critical, title, text);
}

void MessageBox::information(QWidget* parent, const QString& title, const QString& text) {
    ask(parent, Icon::information, title, text);
}

bool MessageBox::question(QWidget* parent, const QString& title, const QString& text) {
    return ask(parent, Icon::question, title, text);
}

bool MessageBox::ask(QWidget* parent, Icon icon, const QString& title, const QString& text) {
    auto& s = state();
    s.shown.append({icon, title, text});
    if (!s.testMode) {
        return execBox(parent, icon, title, text);
    }
    if (icon != Icon::question) {
        return true;
    }
    return s.answers.isEmpty() ? false : s.answers.dequeue();
}

void MessageBox::setTestMode(bool on) {
    state().testMode = on;
    if (!on) {
        state().answers.clear();
    }
}

void MessageBox::setNextAnswer(bool yes) {
    state().testMode = true;
    state().answers.enqueue(yes);
}

QList<MessageBox::Shown> MessageBox::shown() {
    return state().shown;
}

void MessageBox::clearShown() {
    state().shown.clear();
}

} // namespace marunda::ui
