#pragma once

#include "ui/screen.h"

namespace chart {

// Form2: the colour code chart, a static reference card with two worked examples.
class ColourChart : public ui::Screen
{
    Q_OBJECT
public:
    ColourChart();

    void Command1_Click();
};

} // namespace chart
