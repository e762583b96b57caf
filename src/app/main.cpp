#include "app/screens.h"
#include "ui/navigation.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    app::configureApplication();
    ui::navigation::show(ui::ScreenId::Splash);
    return QApplication::exec();
}
