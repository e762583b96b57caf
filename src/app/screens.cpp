#include "app/screens.h"

#include "app/form1.h"
#include "app/frmsplash.h"
#include "calculator/form5.h"
#include "chart/form2.h"
#include "decoders/form3.h"
#include "decoders/form6.h"
#include "encoders/form4.h"
#include "encoders/form7.h"
#include "ui/controls.h"
#include "ui/navigation.h"

#include <QApplication>
#include <QStyleFactory>

namespace app {

void registerScreens()
{
    using ui::ScreenId;
    namespace nav = ui::navigation;
    nav::setFactory(ScreenId::frmSplash, [] { return new frmSplash; });
    nav::setFactory(ScreenId::Form1, [] { return new Form1; });
    nav::setFactory(ScreenId::Form2, [] { return new chart::Form2; });
    nav::setFactory(ScreenId::Form5, [] { return new calculator::Form5; });
    nav::setFactory(ScreenId::Form3, [] { return new decoders::Form3; });
    nav::setFactory(ScreenId::Form6, [] { return new decoders::Form6; });
    nav::setFactory(ScreenId::Form4, [] { return new encoders::Form4; });
    nav::setFactory(ScreenId::Form7, [] { return new encoders::Form7; });
}

void configureApplication()
{
    QApplication::setApplicationName(QStringLiteral("Ohmara"));
    QApplication::setApplicationVersion(QStringLiteral("3.1"));
    QApplication::setDesktopFileName(QStringLiteral("ohmara"));
    // One look on every desktop: the layout is fixed in pixels and must not depend on a theme.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Every control sets its font; the desktop's default is never needed, nor loaded.
    QApplication::setFont(ui::fontOf(ui::Font::Standard));
    // Only the quit button ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    registerScreens();
}

} // namespace app
