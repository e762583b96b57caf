// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include "decoders/decoder.h"

namespace decoders {

// Colours of a four-band resistor to its value, tolerance and range.
class FourBandDecoder : public Decoder
{
    Q_OBJECT
public:
    FourBandDecoder();
};

} // namespace decoders
