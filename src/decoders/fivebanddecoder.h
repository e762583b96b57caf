// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include "decoders/decoder.h"

namespace decoders {

// Colours of a five-band precision resistor (three digits) to its value, tolerance and range.
class FiveBandDecoder : public Decoder
{
    Q_OBJECT
public:
    FiveBandDecoder();
};

} // namespace decoders
