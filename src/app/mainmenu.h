#pragma once

#include "ui/screen.h"

namespace app {

// Form1: the main menu, from which every tool screen opens and the program ends.
class MainMenu : public ui::Screen
{
    Q_OBJECT
public:
    MainMenu();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();

protected:
    void closeRequested() override;
};

} // namespace app
