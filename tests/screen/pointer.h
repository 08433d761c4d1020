#pragma once

// Real pointer events through the X server, as a user makes them.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QStringList>

namespace screentest {

// The program's event loop turns while xdotool runs, as a program answers while the user's hand
// is still moving: a press is taken (and a window manager asked to move the window) before the
// pointer moves on.
inline bool xdotool(const QStringList& arguments) {
#ifdef _WIN32
    // Under Wine a Unix program starts from its path on the drive that maps the root; its exit
    // code does not come back. Wine's windows take the pointer's events only while their
    // program's event loop turns.
    const QString program = QStringLiteral("Z:/usr/bin/xdotool");
#else
    const QString program = QStringLiteral("xdotool");
#endif
    QProcess xdotool;
    xdotool.start(program, arguments);
    QDeadlineTimer deadline(10000);
    while (!xdotool.waitForFinished(20) && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
    }
    const bool ended =
        xdotool.state() == QProcess::NotRunning && xdotool.exitStatus() == QProcess::NormalExit;
#ifdef _WIN32
    return ended;
#else
    return ended && xdotool.exitCode() == 0;
#endif
}

} // namespace screentest
