#pragma once

#include "decoders/decoder.h"

namespace decoders {

// Form3: colours of a four-band resistor to its value, tolerance and range.
class FourBandDecoder : public Decoder
{
    Q_OBJECT
public:
    FourBandDecoder();

    void band1_Click();
    void band2_Click();
    void band3_Click();
    void band4_Click();
    void Timer1_Timer();
    void Command1_Click();

private:
    ui::DropDownList *m_firstBand = nullptr;
    ui::DropDownList *m_secondBand = nullptr;
    ui::DropDownList *m_multiplierBand = nullptr;
    ui::DropDownList *m_toleranceBand = nullptr;
    ui::Label *m_firstBandPaint = nullptr;
    ui::Label *m_secondBandPaint = nullptr;
};

} // namespace decoders
