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
    void computeRange(core::EncoderTexts &texts) const override;
    core::FiveBandChoice choice() const;
};

} // namespace encoders
