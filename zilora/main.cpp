// Zilora: the birthday reminder, started at logon.
#include "core/program_folder.h"
#include "ui/fonts.h"
#include "zilora/ana.h"
#include "zilora/instance_channel.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // One per installation: a second start (the logon entry and a start by hand, a reinstall)
    // leaves the running one alone and ends at once.
    const auto folder = marunda::programFolder();
    marunda::zilora::InstanceChannel channel(QString::fromStdU16String(folder.u16string()));
    if (!channel.claim()) {
        return 0;
    }
    marunda::ui::ensureFonts();
    // The program lives in the notification area: closing its last window does not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    marunda::zilora::Ana ana(folder);
    QObject::connect(&ana, &marunda::zilora::Ana::programEnded, &app,
                     [] { QCoreApplication::exit(0); });
    QObject::connect(&channel, &marunda::zilora::InstanceChannel::endRequested, &app,
                     [] { QCoreApplication::exit(0); });
    QTimer::singleShot(0, &ana, &marunda::zilora::Ana::load);
    return app.exec();
}
