// Telefon: the phone book.
#include "core/telefon_arguments.h"
#include "telefon/ana/ana.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    marunda::ui::ensureFonts();
    using marunda::telefon::Ana;
    Ana ana(marunda::RecordStore::inProgramFolder());
    // What Qt has not taken of the command line, in UTF-8 whatever the system's code page.
    std::vector<std::string> arguments;
    for (const QString& argument : QCoreApplication::arguments().mid(1)) {
        arguments.push_back(argument.toStdString());
    }
    ana.setStartRequest(marunda::parseTelefonArguments(arguments));
    QObject::connect(&ana, &Ana::programEnded, &app, [] { QCoreApplication::exit(0); });
    // Started from the event loop, so that an end during start-up ends the loop too.
    QTimer::singleShot(0, &ana, &Ana::startUp);
    return app.exec();
}
