#include "app/screens.h"
#include "ui/controls.h"
#include "ui/navigation.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ohmara"));
    QApplication::setApplicationVersion(QStringLiteral("3.1"));
    QApplication::setDesktopFileName(QStringLiteral("ohmara"));
    // One look on every desktop: the layout is fixed in pixels and must not depend on a theme.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Every control sets its font; the desktop's default is never needed, nor loaded.
    QApplication::setFont(ui::fontOf(ui::Font::Standard));
    // Only the quit button ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    app::registerScreens();
    ui::navigation::show(ui::ScreenId::frmSplash);
    return QApplication::exec();
}
