// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include "encoders/encoder.h"

namespace encoders {

// A value of two digits, a point or letter, a unit and a tolerance to four bands.
class FourBandEncoder : public Encoder
{
    Q_OBJECT
public:
    FourBandEncoder();

private:
    QString valueText() const override;
    void rangeTick(core::EncoderTexts &texts) const override;
    core::FourBandChoice choice() const;

    // The value row, left to right.
    ui::DropDownList *m_pointInFront = nullptr;
    ui::DropDownList *m_firstDigit = nullptr;
    ui::DropDownList *m_pointOrLetter = nullptr; // between the digits
    ui::DropDownList *m_secondDigit = nullptr;
    ui::DropDownList *m_unit = nullptr;
    ui::DropDownList *m_tolerance = nullptr;
};

} // namespace encoders
