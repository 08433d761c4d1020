#include "kur/ending_window.h"

#include "kur/texts.h"
#include "ui/message_box.h"

#include <QCloseEvent>

namespace marunda::kur {

void EndingWindow::endProgram() {
    if (!ending_) {
        ending_ = true;
        emit programEnded();
    }
}

void EndingWindow::closeEvent(QCloseEvent* event) {
    if (ending_ || ui::MessageBox::question(this, kCaption, kExitQuestion)) {
        event->accept();
        endProgram();
        return;
    }
    event->ignore();
}

} // namespace marunda::kur
