#pragma once

#include "ui/screen.h"

namespace app {

// frmSplash: the splash screen, left by a click or a key.
class SplashScreen : public ui::Screen
{
    Q_OBJECT
public:
    SplashScreen();

    void Frame1_Click();
    void Image1_Click();
    void imgLogo_Click();
    void Label1_Click();
    void Label2_Click();
    void Label3_Click();

protected:
    void Form_Click() override;
    void Form_KeyPress(int keyAscii) override;
    void closeRequested() override;
    void paintEvent(QPaintEvent *event) override;

private:
    void leave();
};

} // namespace app
