#pragma once

#include "kur/ending_window.h"

#include <QPointer>

class QRadioButton;

namespace marunda::kur {

class Form1;
class Form2;

// The maintenance choice, shown when 1.7 is installed: reinstall or remove.
class Form3 : public EndingWindow {
    Q_OBJECT
public:
    explicit Form3(Form1* form1, QWidget* parent = nullptr);

    // "Tamam".
    void confirm();
    // The removal window, once chosen.
    Form2* form2() const;

private:
    void build();
    void reinstall();

    QPointer<Form1> form1_;
    QPointer<Form2> form2_;
    QRadioButton* option1_ = nullptr;
};

} // namespace marunda::kur
