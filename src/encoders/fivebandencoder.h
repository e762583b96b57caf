#pragma once

#include "encoders/encoder.h"

namespace encoders {

// Form7: a value of three digits, a point or letter or a unit, and a tolerance to five bands.
class FiveBandEncoder : public Encoder
{
    Q_OBJECT
public:
    FiveBandEncoder();

    void Form_Load();
    void number1_Click();
    void number2_Click();
    void digit3_Click();
    void Combo2_Click();
    void combo1_Click();
    void tolerance_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Command2_Click();

private:
    // What releasing a chooser (" ") does to the unit list's choice.
    enum class Release { KeepsUnit, BlanksUnit };

    FiveBandChoice choice() const;
    void choosePoint(ui::DropDownList *chooser, ui::DropDownList *other,
                     std::span<const PointRow> rows, Release release);

    // The value row, left to right.
    ui::DropDownList *m_firstDigit = nullptr;
    ui::DropDownList *m_pointAfterFirst = nullptr;
    ui::DropDownList *m_secondDigit = nullptr;
    ui::DropDownList *m_pointAfterSecond = nullptr;
    ui::DropDownList *m_thirdDigit = nullptr;
    ui::DropDownList *m_unit = nullptr;
    ui::DropDownList *m_tolerance = nullptr;
    ui::Timer *m_unitBandTimer = nullptr;
    // The five bands and the colour names under them.
    ui::Label *m_firstBandPaint = nullptr;
    ui::Label *m_secondBandPaint = nullptr;
    ui::Label *m_thirdBandPaint = nullptr;
    ui::Label *m_multiplierBandPaint = nullptr;
    ui::Label *m_toleranceBandPaint = nullptr;
    ui::Label *m_firstBandName = nullptr;
    ui::Label *m_secondBandName = nullptr;
    ui::Label *m_thirdBandName = nullptr;
    ui::Label *m_multiplierBandName = nullptr;
    ui::Label *m_toleranceBandName = nullptr;
};

} // namespace encoders
