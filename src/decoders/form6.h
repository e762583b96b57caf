#pragma once

#include "decoders/decoder.h"

namespace decoders {

// "5 band colour code to value": three digits, multiplier and tolerance for precision parts.
class Form6 : public Decoder
{
    Q_OBJECT
public:
    Form6();

    void band1_Click();
    void band2_Click();
    void band3_Click();
    void band4_Click();
    void band5_Click();
    void Timer1_Timer();
    void Command1_Click();

private:
    ui::DropDownList *m_band1 = nullptr;
    ui::DropDownList *m_band2 = nullptr;
    ui::DropDownList *m_band3 = nullptr;
    ui::DropDownList *m_band4 = nullptr;
    ui::DropDownList *m_band5 = nullptr;
    ui::Label *m_Label16 = nullptr;
    ui::Label *m_Label17 = nullptr;
    ui::Label *m_Label32 = nullptr;
};

} // namespace decoders
