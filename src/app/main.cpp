// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "app/application.h"
#include "app/navigation.h"
#include "app/startupmessages.h"

#include <QApplication>
#include <QTimer>

int main(int, char **argv)
{
    // The design's windows are placed, fixed and without window buttons as only X11 lets a
    // program ask: in a Wayland session the program runs through XWayland, natively only where
    // there is no X server, or where the user's QT_QPA_PLATFORM says so.
    // A Wayland display is found in XDG_RUNTIME_DIR unless named by its path; without either,
    // Wayland's own library would only add a line of its own to the one that says so.
    const bool waylandReachable = !qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")
            || qEnvironmentVariable("WAYLAND_DISPLAY").startsWith(u'/');
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", waylandReachable ? "xcb;wayland" : "xcb");
    // The program reads no command line, and the toolkit gets none either: "-reverse" or
    // "-platform" would change the screens. The environment (QT_QPA_PLATFORM) still counts.
    int toolkitArgc = 1;
    char *toolkitArgv[] = {argv[0], nullptr};
    app::startupmessages::watch();
    QApplication application(toolkitArgc, toolkitArgv);
    app::startupmessages::stopWatching();
    app::configureApplication();
    app::Navigation navigation;
    navigation.show(app::ScreenId::Splash);
    QTimer::singleShot(0, &application, app::setWindowIcons);
    return QApplication::exec();
}
