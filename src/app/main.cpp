#include "app/screens.h"
#include "ui/navigation.h"

#include <QApplication>
#include <QList>

#include <cstdio>
#include <cstdlib>

namespace {

// Which display could not be opened, seen in the toolkit's messages while it starts.
bool g_noX11Display = false;
bool g_noWaylandDisplay = false;
QtMessageHandler g_toolkitHandler = nullptr;

// The toolkit's hints about platform plugins it could not load, held back until it is known
// whether any display opened: without one they only repeat the one line that says so.
struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<HeldMessage> g_pluginHints;

// Without a display there is nothing to show: one line saying which display could not be
// opened, and a failure status, instead of the toolkit's abort. A display that could not be
// opened while another could is no news to the user.
void startupMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool noX11 = qstrcmp(context.category, "qt.qpa.xcb") == 0
            && message.startsWith(QLatin1String("could not connect to display"));
    const bool noWayland = message.startsWith(QLatin1String("Failed to create wl_display"));
    g_noX11Display = g_noX11Display || noX11;
    g_noWaylandDisplay = g_noWaylandDisplay || noWayland;
    if (type != QtFatalMsg) {
        if (qstrcmp(context.category, "qt.qpa.plugin") == 0)
            g_pluginHints.append({type, context.category, message});
        else if (!noX11 && !noWayland)
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
    g_toolkitHandler = qInstallMessageHandler(startupMessage);
    QApplication app(toolkitArgc, toolkitArgv);
    qInstallMessageHandler(nullptr);
    // A display opened. Hints about a plugin whose display could not be opened are still no news;
    // otherwise they are (a mistyped plugin in QT_QPA_PLATFORM, say).
    const bool aDisplayFailed = g_noX11Display || g_noWaylandDisplay;
    for (const HeldMessage &hint : aDisplayFailed ? QList<HeldMessage>() : g_pluginHints) {
        const QMessageLogContext context(nullptr, 0, nullptr, hint.category.constData());
        g_toolkitHandler(hint.type, context, hint.text);
    }
    g_pluginHints.clear();
    app::configureApplication();
    ui::navigation::show(ui::ScreenId::Splash);
    return QApplication::exec();
}
