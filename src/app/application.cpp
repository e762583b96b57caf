// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "app/application.h"

#include "app/version.h"
#include "ui/designstyle.h"
#include "ui/screenreader.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

namespace app {

void configureApplication()
{
    QApplication::setApplicationName(QStringLiteral("Ohmara"));
    QApplication::setApplicationVersion(QStringLiteral(OHMARA_VERSION));
    // The installed launcher entry, so desktops match the windows to it and its icon.
    QApplication::setDesktopFileName(QStringLiteral(OHMARA_APP_ID));
    // One look on every desktop: the layout is fixed in pixels and must not depend on a theme.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Every control sets its font; the desktop's default is never needed, nor loaded.
    QApplication::setFont(ui::fontOf(ui::Font::Standard));
    // Only the quit button ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::installScreenReaderSupport();
}

void setWindowIcons()
{
    QIcon icon;
    for (const char *file : {":/art/menu-icon.png", ":/art/icon-48.png", ":/art/icon-64.png"})
        icon.addPixmap(ui::artwork(QLatin1String(file)));
    QApplication::setWindowIcon(icon);
}

} // namespace app
