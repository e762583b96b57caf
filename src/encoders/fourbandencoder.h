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
    void computeRange(core::EncoderTexts &texts) const override;
    core::FourBandChoice choice() const;
};

} // namespace encoders
