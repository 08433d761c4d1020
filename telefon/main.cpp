// Telefon: the phone book.
#include "telefon/ana/ana.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    marunda::ui::ensureFonts();
    using marunda::telefon::Ana;
    Ana ana(marunda::RecordStore::inProgramFolder());
    QObject::connect(&ana, &Ana::programEnded, &app, [] { QCoreApplication::exit(0); });
    // Started from the event loop, so that an end during start-up ends the loop too.
    QTimer::singleShot(0, &ana, &Ana::startUp);
    return app.exec();
}
