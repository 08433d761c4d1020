// The start-up's password step.
#include "telefon/ana.h"

#include "common/file_io.h"
#include "ui/message_box.h"

void Ana::password() {
    const auto exists = marunda::fileExists(store_.file(marunda::kPasswordFile));
    if (exists && exists.value()) {
        return;
    }
    marunda::ui::MessageBox::critical(
        this, QStringLiteral("Dosya Bulunamıyor"),
        QStringLiteral("'data.dat' dosyası bulunamıyor, bu dosya olmadan program çalışamaz"));
    endProgram();
}
