// Donusturucu: converts the phone book of a 1.6 installation to the 1.7 records.
#include "core/program_folder.h"
#include "donusturucu/form1.h"
#include "ui/fonts.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    marunda::ui::ensureFonts();
    marunda::donusturucu::Form1 form1(marunda::programFolder());
    QObject::connect(&form1, &marunda::donusturucu::Form1::programEnded, &app,
                     [] { QCoreApplication::exit(0); });
    form1.show();
    return app.exec();
}
