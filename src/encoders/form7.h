#pragma once

#include "encoders/encoder.h"

namespace encoders {

// "5 band value to colour code": three digits, a point or letter or a unit, and a tolerance
// to five bands.
class Form7 : public Encoder
{
    Q_OBJECT
public:
    Form7();

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
    FiveBandChoice choice() const;
    void choosePoint(ui::DropDownList *chooser, ui::DropDownList *other,
                     std::span<const PointRow> rows, bool releaseDropsUnit);

    ui::DropDownList *m_number1 = nullptr;
    ui::DropDownList *m_Combo2 = nullptr;
    ui::DropDownList *m_number2 = nullptr;
    ui::DropDownList *m_combo1 = nullptr;
    ui::DropDownList *m_digit3 = nullptr;
    ui::DropDownList *m_multiplier = nullptr;
    ui::DropDownList *m_tolerance = nullptr;
    ui::Timer *m_Timer2 = nullptr;
    ui::Label *m_Label1 = nullptr;
    ui::Label *m_Label2 = nullptr;
    ui::Label *m_Label24 = nullptr;
    ui::Label *m_Label3 = nullptr;
    ui::Label *m_Label4 = nullptr;
    ui::Label *m_Label11 = nullptr;
    ui::Label *m_Label12 = nullptr;
    ui::Label *m_Label25 = nullptr;
    ui::Label *m_Label13 = nullptr;
    ui::Label *m_Label14 = nullptr;
};

} // namespace encoders
