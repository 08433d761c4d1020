// Zilora: the birthday reminder, started at logon.
#include "core/program_folder.h"
#include "ui/fonts.h"
#include "zilora/ana.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    marunda::ui::ensureFonts();
    // The program lives in the notification area: closing its last window does not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    marunda::zilora::Ana ana(marunda::programFolder());
    QObject::connect(&ana, &marunda::zilora::Ana::programEnded, &app,
                     [] { QCoreApplication::exit(0); });
    QTimer::singleShot(0, &ana, &marunda::zilora::Ana::load);
    return app.exec();
}
