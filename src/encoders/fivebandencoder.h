// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include "encoders/encoder.h"

namespace encoders {

// A value of three digits, a point or letter or a unit, and a tolerance to five bands.
class FiveBandEncoder : public Encoder
{
    Q_OBJECT
public:
    FiveBandEncoder();

private:
    QString valueText() const override;
    void rangeTick(core::EncoderTexts &texts) const override;
    core::FiveBandChoice choice() const;

    // The value row, left to right.
    ui::DropDownList *m_firstDigit = nullptr;
    ui::DropDownList *m_pointAfterFirst = nullptr;
    ui::DropDownList *m_secondDigit = nullptr;
    ui::DropDownList *m_pointAfterSecond = nullptr;
    ui::DropDownList *m_thirdDigit = nullptr;
    ui::DropDownList *m_unit = nullptr;
    ui::DropDownList *m_tolerance = nullptr;
};

} // namespace encoders
