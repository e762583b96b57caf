#pragma once

#include "ui/screen.h"

namespace chart {

// "Colour Codes list": a static reference card of the colour code with two worked examples.
class Form2 : public ui::Screen
{
    Q_OBJECT
public:
    Form2();

    void Command1_Click();
};

} // namespace chart
