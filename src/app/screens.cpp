#include "app/screens.h"

#include "app/form1.h"
#include "app/frmsplash.h"
#include "ui/navigation.h"

namespace app {

void registerScreens()
{
    using ui::ScreenId;
    namespace nav = ui::navigation;
    nav::setFactory(ScreenId::frmSplash, [] { return new frmSplash; });
    nav::setFactory(ScreenId::Form1, [] { return new Form1; });
}

} // namespace app
