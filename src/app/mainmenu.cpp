// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "app/mainmenu.h"

#include "ui/spokenresult.h"

namespace app {
namespace {

using namespace ui;

// clang-format off
constexpr const char *kWelcome = "welcome to Ohmara version 3.1, to begin click one of these buttons...";

const WindowDef kWindow{.caption = "Ohmara V3.1", .width = 5085, .height = 3990, .border = Border::FixedSingle, .taskbarButton = true, .placement = Placement::CentreScreen, .icon = ":/art/menu-icon.png"};

const ControlDef kControls[] = {
        {.name = "Label1", .kind = Kind::Label, .left = 0, .top = 600, .width = 4695, .height = 495, .caption = kWelcome, .tabIndex = 7},
        {.name = "Command1", .kind = Kind::CommandButton, .left = 0, .top = 1320, .width = 1455, .height = 615, .caption = "colour code list(s)", .tabIndex = 0},
        {.name = "Command2", .kind = Kind::CommandButton, .left = 1800, .top = 1320, .width = 1455, .height = 615, .caption = "4 band Colour code to value", .tabIndex = 1},
        {.name = "Command3", .kind = Kind::CommandButton, .left = 3600, .top = 1320, .width = 1455, .height = 615, .caption = "4 band Value to Colour code", .tabIndex = 2},
        {.name = "Command5", .kind = Kind::CommandButton, .left = 0, .top = 2040, .width = 1455, .height = 615, .caption = "resistor/capacitor calculator", .tabIndex = 3},
        {.name = "Command6", .kind = Kind::CommandButton, .left = 1800, .top = 2040, .width = 1455, .height = 615, .caption = "5 band colour code to value", .tabIndex = 4},
        {.name = "Command7", .kind = Kind::CommandButton, .left = 3600, .top = 2040, .width = 1455, .height = 615, .caption = "5 band value to colour code", .tabIndex = 5},
        {.name = "Command4", .kind = Kind::CommandButton, .left = 0, .top = 3600, .width = 5055, .height = 375, .caption = "Quit Ohmara", .tabIndex = 6},
};
// clang-format on

} // namespace

MainMenu::MainMenu()
    : Screen(kWindow, kControls)
{
    new Welcome(this, QLatin1String(kWelcome));
    auto button = [this](const char *name) { return control<CommandButton>(name); };
    connect(button("Command1"), &CommandButton::clicked, this, &MainMenu::openChart);
    connect(button("Command2"), &CommandButton::clicked, this, &MainMenu::openFourBandDecoder);
    connect(button("Command3"), &CommandButton::clicked, this, &MainMenu::openFourBandEncoder);
    connect(button("Command5"), &CommandButton::clicked, this, &MainMenu::openCalculator);
    connect(button("Command6"), &CommandButton::clicked, this, &MainMenu::openFiveBandDecoder);
    connect(button("Command7"), &CommandButton::clicked, this, &MainMenu::openFiveBandEncoder);
    connect(button("Command4"), &CommandButton::clicked, this, &MainMenu::leaveRequested);
}

void MainMenu::openChart()
{
    emit openRequested(ScreenId::Chart);
}
void MainMenu::openFourBandDecoder()
{
    emit openRequested(ScreenId::FourBandDecoder);
}
void MainMenu::openFourBandEncoder()
{
    emit openRequested(ScreenId::FourBandEncoder);
}
void MainMenu::openCalculator()
{
    emit openRequested(ScreenId::Calculator);
}
void MainMenu::openFiveBandDecoder()
{
    emit openRequested(ScreenId::FiveBandDecoder);
}
void MainMenu::openFiveBandEncoder()
{
    emit openRequested(ScreenId::FiveBandEncoder);
}

} // namespace app
