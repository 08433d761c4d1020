// The start-up's password step.
#include "telefon/ana/ana.h"

#include "telefon/ana/password_gate.h"
#include "telefon/password/pass1.h"
#include "ui/message_box.h"

#include <QLineEdit>

namespace marunda::telefon {

void Ana::password() {
    (void)store_.enterProgramFolder();
    const auto gate = PasswordGate::of(store_);
    if (gate.way == PasswordGate::Way::refused) {
        marunda::ui::MessageBox::critical(this, gate.title, gate.reason);
        endProgram();
        return;
    }
    if (gate.way == PasswordGate::Way::open) {
        return;
    }
    tmp1_->setText(gate.password);
    prompted_ = true;
    auto* prompt = new Pass1(*this);
    prompt->setAttribute(Qt::WA_DeleteOnClose);
    prompt->show();
}

QString Ana::expectedPassword() const {
    return tmp1_->text();
}

} // namespace marunda::telefon
