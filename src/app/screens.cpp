// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "app/screens.h"

#include "app/mainmenu.h"
#include "app/splashscreen.h"
#include "calculator/calculator.h"
#include "chart/colourchart.h"
#include "decoders/fivebanddecoder.h"
#include "decoders/fourbanddecoder.h"
#include "encoders/fivebandencoder.h"
#include "encoders/fourbandencoder.h"

namespace app {
namespace {

template<class T>
ui::Screen *make()
{
    return new T;
}

// clang-format off
constexpr ScreenEntry kScreens[] = {
        {ScreenId::Splash, "frmSplash", Leaving::Splash, make<SplashScreen>},
        {ScreenId::Menu, "Form1", Leaving::Quit, make<MainMenu>},
        {ScreenId::Chart, "Form2", Leaving::BackToMenu, make<chart::ColourChart>},
        {ScreenId::FourBandDecoder, "Form3", Leaving::BackToMenu, make<decoders::FourBandDecoder>},
        {ScreenId::FourBandEncoder, "Form4", Leaving::BackToMenu, make<encoders::FourBandEncoder>},
        {ScreenId::Calculator, "Form5", Leaving::BackToMenu, make<calculator::Calculator>},
        {ScreenId::FiveBandDecoder, "Form6", Leaving::BackToMenu, make<decoders::FiveBandDecoder>},
        {ScreenId::FiveBandEncoder, "Form7", Leaving::BackToMenu, make<encoders::FiveBandEncoder>},
};
// clang-format on

constexpr bool inIdOrder()
{
    for (size_t i = 0; i < std::size(kScreens); ++i) {
        if (kScreens[i].id != ScreenId(i))
            return false;
    }
    return true;
}
static_assert(inIdOrder());

} // namespace

std::span<const ScreenEntry> screens()
{
    return kScreens;
}

} // namespace app
