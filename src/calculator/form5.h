#pragma once

#include "ui/screen.h"

#include <optional>

namespace calculator {

// "Resistor/Capacitor Calculator": two values in series or in parallel.
class Form5 : public ui::Screen
{
    Q_OBJECT
public:
    Form5();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();

private:
    void show(std::optional<double> result);

    ui::TextBox *m_val1 = nullptr;
    ui::TextBox *m_val2 = nullptr;
    ui::Label *m_Label1 = nullptr;
};

} // namespace calculator
