// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "app/startupmessages.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace app::startupmessages {
namespace {

// The toolkit's hints about platform plugins it could not load, held back until it is known
// whether any display opened: without one they only repeat the one line that says so.
struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

struct Watch
{
    // Which display could not be opened, seen in the toolkit's messages while it starts.
    bool noX11Display = false;
    bool noWaylandDisplay = false;
    QtMessageHandler toolkitHandler = nullptr;
    QList<HeldMessage> pluginHints;
};

Watch &watched()
{
    static Watch w;
    return w;
}

QString quoted(const QByteArray &name)
{
    return u'"' + QString::fromLocal8Bit(name) + u'"';
}

// The one line for the display that could not be opened; one that could not be opened while
// another could is no news to the user.
QString noDisplayLine(const QString &fatal)
{
    const Watch &w = watched();
    const QByteArray x11 = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    if (w.noWaylandDisplay && (!wayland.isEmpty() || !w.noX11Display)) {
        QString line = QLatin1String("cannot open Wayland display ")
                + quoted(wayland.isEmpty() ? QByteArray("wayland-0") : wayland);
        if (w.noX11Display)
            line += x11.isEmpty() ? QLatin1String(", and DISPLAY is not set")
                                  : QLatin1String(", nor display ") + quoted(x11);
        return line;
    }
    if (w.noX11Display)
        return x11.isEmpty() ? QLatin1String("cannot open a display: DISPLAY is not set")
                             : QLatin1String("cannot open display ") + quoted(x11);
    return fatal.section(u'\n', 0, 0);
}

void startupMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    Watch &w = watched();
    const bool noX11 = qstrcmp(context.category, "qt.qpa.xcb") == 0
            && message.startsWith(QLatin1String("could not connect to display"));
    const bool noWayland = message.startsWith(QLatin1String("Failed to create wl_display"));
    w.noX11Display = w.noX11Display || noX11;
    w.noWaylandDisplay = w.noWaylandDisplay || noWayland;
    if (type != QtFatalMsg) {
        if (qstrcmp(context.category, "qt.qpa.plugin") == 0)
            w.pluginHints.append({type, context.category, message});
        else if (!noX11 && !noWayland)
            w.toolkitHandler(type, context, message);
        return;
    }
    std::fprintf(stderr, "ohmara: %s\n", qPrintable(noDisplayLine(message)));
    std::_Exit(1);
}

} // namespace

void watch()
{
    watched().toolkitHandler = qInstallMessageHandler(startupMessage);
}

void stopWatching()
{
    Watch &w = watched();
    qInstallMessageHandler(nullptr);
    // Hints about a plugin whose display could not be opened are still no news; otherwise they
    // are (a mistyped plugin in QT_QPA_PLATFORM, say).
    if (!w.noX11Display && !w.noWaylandDisplay) {
        for (const HeldMessage &hint : w.pluginHints) {
            const QMessageLogContext context(nullptr, 0, nullptr, hint.category.constData());
            w.toolkitHandler(hint.type, context, hint.text);
        }
    }
    w.pluginHints.clear();
}

} // namespace app::startupmessages
