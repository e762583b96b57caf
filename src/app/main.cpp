#include "app/screens.h"
#include "ui/navigation.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Which display could not be opened, seen in the toolkit's messages while it starts.
bool g_noX11Display = false;
bool g_noWaylandDisplay = false;
QtMessageHandler g_toolkitHandler = nullptr;

// Without a display there is nothing to show: one line saying which display could not be
// opened, and a failure status, instead of the toolkit's abort. A display that could not be
// opened while another could is no news to the user.
void startupMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool noX11 = qstrcmp(context.category, "qt.qpa.xcb") == 0
            && message.startsWith(QLatin1String("could not connect to display"));
    const bool noWayland = message.startsWith(QLatin1String("Failed to create wl_display"));
    const bool pluginFailed = qstrcmp(context.category, "qt.qpa.plugin") == 0
            && message.startsWith(QLatin1String("Could not load the Qt platform plugin"));
    g_noX11Display = g_noX11Display || noX11;
    g_noWaylandDisplay = g_noWaylandDisplay || noWayland;
    if (type != QtFatalMsg) {
        if (!noX11 && !noWayland && !pluginFailed)
            g_toolkitHandler(type, context, message);
        return;
    }
    const QByteArray x11 = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    const auto quoted
            = [](const QByteArray &name) { return u'"' + QString::fromLocal8Bit(name) + u'"'; };
    QString line = message.section(u'\n', 0, 0);
    if (g_noWaylandDisplay && (!wayland.isEmpty() || !g_noX11Display)) {
        line = QLatin1String("cannot open Wayland display ")
                + quoted(wayland.isEmpty() ? QByteArray("wayland-0") : wayland);
        if (g_noX11Display)
            line += x11.isEmpty() ? QLatin1String(", and DISPLAY is not set")
                                  : QLatin1String(", nor display ") + quoted(x11);
    } else if (g_noX11Display) {
        line = x11.isEmpty() ? QLatin1String("cannot open a display: DISPLAY is not set")
                             : QLatin1String("cannot open display ") + quoted(x11);
    }
    std::fprintf(stderr, "ohmara: %s\n", qPrintable(line));
    std::_Exit(1);
}

} // namespace

int main(int, char **argv)
{
    // The design's windows are placed, fixed and without window buttons as only X11 lets a
    // program ask: in a Wayland session the program runs through XWayland, natively only where
    // there is no X server, or where the user's QT_QPA_PLATFORM says so.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    // The program reads no command line, and the toolkit gets none either: "-reverse" or
    // "-platform" would change the screens. The environment (QT_QPA_PLATFORM) still counts.
    int toolkitArgc = 1;
    char *toolkitArgv[] = {argv[0], nullptr};
    g_toolkitHandler = qInstallMessageHandler(startupMessage);
    QApplication app(toolkitArgc, toolkitArgv);
    qInstallMessageHandler(nullptr);
    app::configureApplication();
    ui::navigation::show(ui::ScreenId::Splash);
    return QApplication::exec();
}
