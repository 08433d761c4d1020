// The three ways the program ends, and what each does with the scratch file.
#include "telefon/ana/ana.h"

#include "core/file_io.h"

#include <QCloseEvent>

namespace marunda::telefon {

void Ana::endProgram() {
    ended_ = true;
    emit programEnded();
}

void Ana::closeProgram() {
    (void)store_.enterProgramFolder();
    deleteScratchFile();
    endProgram();
}

void Ana::deleteScratchFile() const {
    // A scratch file that cannot be removed is no reason to keep the user from leaving.
    (void)marunda::removeFile(store_.file(marunda::kScratchFile));
}

void Ana::closeEvent(QCloseEvent* event) {
    deleteScratchFile();
    event->accept();
}

} // namespace marunda::telefon
