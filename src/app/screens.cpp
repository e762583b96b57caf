#include "app/screens.h"

#include "app/form1.h"
#include "app/frmsplash.h"
#include "calculator/form5.h"
#include "chart/form2.h"
#include "decoders/form3.h"
#include "decoders/form6.h"
#include "encoders/form4.h"
#include "encoders/form7.h"
#include "ui/navigation.h"

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

} // namespace app
