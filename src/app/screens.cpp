#include "app/screens.h"

#include "app/mainmenu.h"
#include "app/splashscreen.h"
#include "calculator/calculator.h"
#include "chart/colourchart.h"
#include "decoders/fivebanddecoder.h"
#include "decoders/fourbanddecoder.h"
#include "encoders/fivebandencoder.h"
#include "encoders/fourbandencoder.h"
#include "ui/designstyle.h"
#include "ui/navigation.h"
#include "ui/screenreader.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

namespace app {

void registerScreens()
{
    using ui::ScreenId;
    namespace nav = ui::navigation;
    nav::setFactory(ScreenId::Splash, [] { return new SplashScreen; });
    nav::setFactory(ScreenId::Menu, [] { return new MainMenu; });
    nav::setFactory(ScreenId::Chart, [] { return new chart::ColourChart; });
    nav::setFactory(ScreenId::Calculator, [] { return new calculator::Calculator; });
    nav::setFactory(ScreenId::FourBandDecoder, [] { return new decoders::FourBandDecoder; });
    nav::setFactory(ScreenId::FiveBandDecoder, [] { return new decoders::FiveBandDecoder; });
    nav::setFactory(ScreenId::FourBandEncoder, [] { return new encoders::FourBandEncoder; });
    nav::setFactory(ScreenId::FiveBandEncoder, [] { return new encoders::FiveBandEncoder; });
}

void configureApplication()
{
    QApplication::setApplicationName(QStringLiteral("Ohmara"));
    QApplication::setApplicationVersion(QStringLiteral("3.1"));
    // The installed launcher entry, so desktops match the windows to it and its icon.
    QApplication::setDesktopFileName(QStringLiteral("org.ohmara.Ohmara"));
    QIcon icon;
    for (const char *file : {":/art/menu-icon.png", ":/art/icon-48.png", ":/art/icon-64.png"})
        icon.addFile(QLatin1String(file));
    QApplication::setWindowIcon(icon);
    // One look on every desktop: the layout is fixed in pixels and must not depend on a theme.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Every control sets its font; the desktop's default is never needed, nor loaded.
    QApplication::setFont(ui::fontOf(ui::Font::Standard));
    // Only the quit button ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::installScreenReaderSupport();
    registerScreens();
}

} // namespace app
