#include "app/mainmenu.h"

#include "ui/navigation.h"

namespace app {
namespace {

using namespace ui;

// clang-format off
const WindowDef kWindow{.caption = "Ohmara V3.1", .width = 5085, .height = 3990, .border = Border::FixedSingle, .taskbarButton = true, .placement = Placement::CentreScreen, .icon = ":/art/menu-icon.png"};

const ControlDef kControls[] = {
        {.name = "Label1", .kind = Kind::Label, .left = 0, .top = 600, .width = 4695, .height = 495, .caption = "welcome to Ohmara version 3.1, to begin click one of these buttons...", .tabIndex = 7},
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
    : Screen(ScreenId::Menu, kWindow, kControls)
{
    new Welcome(this, control<Label>("Label1")->caption());
    auto button = [this](const char *name) { return control<CommandButton>(name); };
    connect(button("Command1"), &CommandButton::clicked, this, &MainMenu::Command1_Click);
    connect(button("Command2"), &CommandButton::clicked, this, &MainMenu::Command2_Click);
    connect(button("Command3"), &CommandButton::clicked, this, &MainMenu::Command3_Click);
    connect(button("Command4"), &CommandButton::clicked, this, &MainMenu::Command4_Click);
    connect(button("Command5"), &CommandButton::clicked, this, &MainMenu::Command5_Click);
    connect(button("Command6"), &CommandButton::clicked, this, &MainMenu::Command6_Click);
    connect(button("Command7"), &CommandButton::clicked, this, &MainMenu::Command7_Click);
}

void MainMenu::Command1_Click()
{
    navigation::show(ScreenId::Chart);
}
void MainMenu::Command2_Click()
{
    navigation::show(ScreenId::FourBandDecoder);
}
void MainMenu::Command3_Click()
{
    navigation::show(ScreenId::FourBandEncoder);
}
void MainMenu::Command5_Click()
{
    navigation::show(ScreenId::Calculator);
}
void MainMenu::Command6_Click()
{
    navigation::show(ScreenId::FiveBandDecoder);
}
void MainMenu::Command7_Click()
{
    navigation::show(ScreenId::FiveBandEncoder);
}
void MainMenu::Command4_Click()
{
    navigation::quit();
}

void MainMenu::closeRequested()
{
    Command4_Click();
}

} // namespace app
