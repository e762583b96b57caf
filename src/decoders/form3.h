#pragma once

#include "decoders/decoder.h"

namespace decoders {

// "Colour Code to Value": four bands to resistance, tolerance and range.
class Form3 : public Decoder
{
    Q_OBJECT
public:
    Form3();

    void band1_Click();
    void band2_Click();
    void band3_Click();
    void band4_Click();
    void Timer1_Timer();
    void Command1_Click();

private:
    ui::DropDownList *m_band1 = nullptr;
    ui::DropDownList *m_band2 = nullptr;
    ui::DropDownList *m_band3 = nullptr;
    ui::DropDownList *m_band4 = nullptr;
    ui::Label *m_Label16 = nullptr;
    ui::Label *m_Label17 = nullptr;
};

} // namespace decoders
