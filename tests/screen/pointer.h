#pragma once

// Real pointer events through the X server, as a user makes them.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QStringList>

namespace screentest {

inline bool xdotool(const QStringList& arguments) {
#ifdef _WIN32
    // Under Wine a Unix program starts from its path on the drive that maps the root; its exit
    // code does not come back. Wine's windows take the pointer's events only while their
    // program's event loop turns.
    QProcess xdotool;
    xdotool.start(QStringLiteral("Z:/usr/bin/xdotool"), arguments);
    QDeadlineTimer deadline(10000);
    while (!xdotool.waitForFinished(20) && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
    }
    return xdotool.state() == QProcess::NotRunning && xdotool.exitStatus() == QProcess::NormalExit;
#else
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
#endif
}

} // namespace screentest
