#pragma once

// Real pointer events through the X server, as a user makes them.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QProcess>
#include <QStringList>
#include <QSystemTrayIcon>

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
// The Win32 macro would rename the message box of our windows.
#undef MessageBox
#endif

namespace screentest {

// The program's event loop turns while xdotool runs, as a program answers while the user's hand
// is still moving: a press is taken (and a window manager asked to move the window) before the
// pointer moves on.
inline bool xdotool(QStringList arguments) {
#ifdef _WIN32
    // Under Wine a Unix program starts from its path on the drive that maps the root; its exit
    // code does not come back. Wine's windows take the pointer's events only while their
    // program's event loop turns. A move with --sync, which waits to see the pointer arrive, may
    // wait for ever over Wine's windows: a short pause after the move stands in for it.
    const QString program = QStringLiteral("Z:/usr/bin/xdotool");
    for (qsizetype at = arguments.indexOf("--sync"); at >= 0; at = arguments.indexOf("--sync")) {
        arguments.removeAt(at);
        arguments.insert(std::min(at + 2, arguments.size()), QStringLiteral("sleep"));
        arguments.insert(std::min(at + 3, arguments.size()), QStringLiteral("0.1"));
    }
    // Nor, over Wine's windows, does its end: a run has the time of its pauses and a second more
    // to play its events, and counts as done.
    int waitMs = 1000;
    for (qsizetype i = 0; i + 1 < arguments.size(); ++i) {
        waitMs += arguments[i] == "sleep" ? int(arguments[i + 1].toDouble() * 1000) : 0;
    }
#else
    const QString program = QStringLiteral("xdotool");
    const int waitMs = 10000;
#endif
    QProcess xdotool;
    xdotool.start(program, arguments);
    QDeadlineTimer deadline(waitMs);
    while (!xdotool.waitForFinished(20) && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
    }
    const bool ended =
        xdotool.state() == QProcess::NotRunning && xdotool.exitStatus() == QProcess::NormalExit;
#ifdef _WIN32
    return ended || xdotool.state() == QProcess::Running;
#else
    return ended && xdotool.exitCode() == 0;
#endif
}

// Qt hands a left-button drag of our windows to the system's move loop; Wine's, without a window
// manager, keeps the pointer until the button is up, and xdotool never gets to release it: the
// run hangs. Other buttons drag by the window's own code, and do run there.
inline constexpr char kWineLeftDrag[] =
    "Under Wine a left-button drag is Wine's own move loop, which xdotool cannot end";

// Where the user sees `icon` in the notification area; a null point while it is not shown there.
inline QPoint trayIconCentre(const QSystemTrayIcon& icon) {
#ifdef _WIN32
    // Wine's notification area tells no place for its icons, but without a host on the screen it
    // shows them in a window of its own ("Wine System Tray"), side by side from the left, each
    // as tall as the window: the one icon of the test is the first.
    (void)icon;
    const HWND tray = FindWindowW(nullptr, L"Wine System Tray");
    RECT client{};
    POINT origin{};
    if (!tray || !IsWindowVisible(tray) || !GetClientRect(tray, &client) || client.bottom <= 0 ||
        !ClientToScreen(tray, &origin)) {
        return {};
    }
    return {int(origin.x + client.bottom / 2), int(origin.y + client.bottom / 2)};
#else
    // Until the host has taken the icon in, it stands at the screen's corner.
    const QRect at = icon.geometry();
    return at.isValid() && at.topLeft() != QPoint() ? at.center() : QPoint();
#endif
}

} // namespace screentest
