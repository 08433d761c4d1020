// The start-up's password step.
#include "telefon/ana/ana.h"

#include "common/password_file.h"
#include "telefon/password/pass1.h"
#include "ui/message_box.h"

#include <QLineEdit>

namespace marunda::telefon {

void Ana::password() {
    (void)store_.enterProgramFolder();
    const marunda::PasswordFile file(store_.folder());
    auto isSet = file.passwordIsSet();
    marunda::Result<std::string> stored = std::string();
    if (isSet && isSet.value()) {
        stored = file.readPassword();
    }
    const auto* failure = !isSet ? &isSet.error() : !stored ? &stored.error() : nullptr;
    if (failure) {
        // A damaged file never opens the book as if it had no password.
        if (failure->code == marunda::ErrorCode::badFormat) {
            marunda::ui::MessageBox::critical(
                this, QStringLiteral("Dosya Bozuk"),
                QStringLiteral("'data.dat' dosyası bozuk, bu dosya olmadan program çalışamaz"));
        } else {
            marunda::ui::MessageBox::critical(
                this, QStringLiteral("Dosya Bulunamıyor"),
                QStringLiteral(
                    "'data.dat' dosyası bulunamıyor, bu dosya olmadan program çalışamaz"));
        }
        endProgram();
        return;
    }
    if (!isSet.value()) {
        return;
    }
    tmp1_->setText(QString::fromStdString(stored.value()));
    auto* prompt = new Pass1(*this);
    prompt->setAttribute(Qt::WA_DeleteOnClose);
    prompt->show();
}

QString Ana::expectedPassword() const {
    return tmp1_->text();
}

} // namespace marunda::telefon
