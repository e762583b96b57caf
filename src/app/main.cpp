#include "app/screens.h"
#include "ui/navigation.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

bool g_noDisplay = false;
QtMessageHandler g_toolkitHandler = nullptr;

// Without a display there is nothing to show: one line saying which display could not be
// opened, and a failure status, instead of the toolkit's abort.
void startupMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (qstrcmp(context.category, "qt.qpa.xcb") == 0
        && message.startsWith(QLatin1String("could not connect to display")))
        g_noDisplay = true;
    if (type != QtFatalMsg) {
        if (!g_noDisplay)
            g_toolkitHandler(type, context, message);
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    if (g_noDisplay && display.isEmpty())
        std::fprintf(stderr, "ohmara: cannot open a display: DISPLAY is not set\n");
    else if (g_noDisplay)
        std::fprintf(stderr, "ohmara: cannot open display \"%s\"\n", display.constData());
    else
        std::fprintf(stderr, "ohmara: %s\n", qPrintable(message.section(u'\n', 0, 0)));
    std::_Exit(1);
}

} // namespace

int main(int, char **argv)
{
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
