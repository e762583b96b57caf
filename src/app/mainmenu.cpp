// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "app/mainmenu.h"

#include "app/version.h"
#include "ui/spokenresult.h"

#include <QButtonGroup>

#include <utility>

namespace app {
namespace {

using namespace ui;

// clang-format off
constexpr const char *kWelcome = "welcome to Ohmara version " OHMARA_VERSION ", to begin click one of these buttons...";

const WindowDef kWindow{.caption = "Ohmara V" OHMARA_VERSION, .width = 5085, .height = 3990, .border = Border::FixedSingle, .taskbarButton = true, .placement = Placement::CentreScreen, .icon = ":/art/menu-icon.png"};

const ControlDef kControls[] = {
        {.name = "Label1", .kind = Kind::Label, .left = 0, .top = 600, .width = 4695, .height = 495, .caption = kWelcome, .tabIndex = 7},
        {.name = "Command1", .kind = Kind::CommandButton, .left = 0, .top = 1320, .width = 1455, .height = 615, .caption = "colour code list(s)", .tabIndex = 0, .role = Role::OpenChart},
        {.name = "Command2", .kind = Kind::CommandButton, .left = 1800, .top = 1320, .width = 1455, .height = 615, .caption = "4 band Colour code to value", .tabIndex = 1, .role = Role::OpenFourBandDecoder},
        {.name = "Command3", .kind = Kind::CommandButton, .left = 3600, .top = 1320, .width = 1455, .height = 615, .caption = "4 band Value to Colour code", .tabIndex = 2, .role = Role::OpenFourBandEncoder},
        {.name = "Command5", .kind = Kind::CommandButton, .left = 0, .top = 2040, .width = 1455, .height = 615, .caption = "resistor/capacitor calculator", .tabIndex = 3, .role = Role::OpenCalculator},
        {.name = "Command6", .kind = Kind::CommandButton, .left = 1800, .top = 2040, .width = 1455, .height = 615, .caption = "5 band colour code to value", .tabIndex = 4, .role = Role::OpenFiveBandDecoder},
        {.name = "Command7", .kind = Kind::CommandButton, .left = 3600, .top = 2040, .width = 1455, .height = 615, .caption = "5 band value to colour code", .tabIndex = 5, .role = Role::OpenFiveBandEncoder},
        {.name = "Command4", .kind = Kind::CommandButton, .left = 0, .top = 3600, .width = 5055, .height = 375, .caption = "Quit Ohmara", .tabIndex = 6, .role = Role::Quit},
};
// clang-format on

} // namespace

MainMenu::MainMenu()
    : Screen(kWindow, kControls)
{
    new Welcome(this, QLatin1String(kWelcome));
    const std::pair<Role, ScreenId> tools[] = {
            {Role::OpenChart, ScreenId::Chart},
            {Role::OpenFourBandDecoder, ScreenId::FourBandDecoder},
            {Role::OpenFourBandEncoder, ScreenId::FourBandEncoder},
            {Role::OpenCalculator, ScreenId::Calculator},
            {Role::OpenFiveBandDecoder, ScreenId::FiveBandDecoder},
            {Role::OpenFiveBandEncoder, ScreenId::FiveBandEncoder},
    };
    auto *opens = new QButtonGroup(this);
    for (const auto &[role, screen] : tools)
        opens->addButton(bound<CommandButton>(role), int(screen));
    connect(opens, &QButtonGroup::idClicked, this,
            [this](int screen) { emit openRequested(ScreenId(screen)); });
    connect(bound<CommandButton>(Role::Quit), &CommandButton::clicked, this,
            &MainMenu::leaveRequested);
}

} // namespace app
