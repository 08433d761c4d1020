// Kur: installs Marunda 1.7 from the folder it is started in, and removes it again.
#include "kur/form1.h"
#include "kur/form3.h"
#include "kur/startup.h"
#include "ui/fonts.h"
#include "ui/path_text.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Kur's windows end it themselves, after their question.
    QApplication::setQuitOnLastWindowClosed(false);
    marunda::ui::ensureFonts();
    const auto windows =
        marunda::kur::start(marunda::ui::pathFromQText(QCoreApplication::applicationDirPath()),
                            marunda::ui::pathFromQText(QCoreApplication::applicationFilePath()));
    const auto quit = [] {
        QCoreApplication::exit(0);
    };
    QObject::connect(windows.form1.get(), &marunda::kur::Form1::programEnded, &app, quit);
    if (windows.form3) {
        QObject::connect(windows.form3.get(), &marunda::kur::Form3::programEnded, &app, quit);
    }
    return app.exec();
}
