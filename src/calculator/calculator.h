#pragma once

#include "ui/screen.h"

#include <optional>

namespace calculator {

// Form5: two resistors or capacitors in series or in parallel.
class Calculator : public ui::Screen
{
    Q_OBJECT
public:
    Calculator();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();

private:
    void show(std::optional<double> result);

    ui::TextBox *m_firstValue = nullptr;
    ui::TextBox *m_secondValue = nullptr;
    ui::Label *m_result = nullptr;
};

} // namespace calculator
