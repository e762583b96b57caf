#pragma once

#include "decoders/decoder.h"

namespace decoders {

// Form6: colours of a five-band precision resistor (three digits) to its value and range.
class FiveBandDecoder : public Decoder
{
    Q_OBJECT
public:
    FiveBandDecoder();

    void band1_Click();
    void band2_Click();
    void band3_Click();
    void band4_Click();
    void band5_Click();
    void Timer1_Timer();
    void Command1_Click();

private:
    ui::DropDownList *m_firstBand = nullptr;
    ui::DropDownList *m_secondBand = nullptr;
    ui::DropDownList *m_thirdBand = nullptr;
    ui::DropDownList *m_multiplierBand = nullptr;
    ui::DropDownList *m_toleranceBand = nullptr;
    ui::Label *m_firstBandPaint = nullptr;
    ui::Label *m_secondBandPaint = nullptr;
    ui::Label *m_thirdBandPaint = nullptr;
};

} // namespace decoders
