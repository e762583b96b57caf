#pragma once

#include "ui/screen.h"

namespace app {

class Form1 : public ui::Screen
{
    Q_OBJECT
public:
    Form1();

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
