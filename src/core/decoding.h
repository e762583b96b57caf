// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

// The decoders' state and rules: each band's colour as the large display spells it, and the
// value, tolerance and range worked out from all the bands chosen.

#include "core/bandcolour.h"
#include "core/range.h"

#include <QString>

#include <array>

namespace core {

// Significant digits: two on four-band resistors, three on five-band ones.
enum class DigitCount { Two = 2, Three = 3 };

// The large display, as the band choices leave it.
struct DecoderDisplay
{
    std::array<QString, 3> digits; // "0" to "9", "" while the band is not chosen
    bool pointBeforeLastTwoDigits = false;
    bool pointBeforeLastDigit = false;
    QString trailingZero; // "" or "0"
    QString magnitude; // "", "kilo" or "mega": the range's unit follows it
    bool ohms = false; // "ohms", once a multiplier is chosen
    QString percent; // "1" to "20"
    bool percentSign = false;
};

// All a decoder screen knows: what it displays, and what it works out from it.
struct Decoding
{
    DigitCount digitCount = DigitCount::Two;
    DecoderDisplay display;
    const BandColour *multiplier = nullptr;
    const BandColour *tolerance = nullptr;
    QString value; // the resistance in ohms, as its digits and zeros or point spell it
    RangeTexts range;
    QString toleranceValue; // the percent text, in its box
};

// A band's colour chosen: the display as it spells that colour, then the range from every band.
// False, and nothing changed, for a colour that band cannot have: no digit, or a black first one.
bool chooseDigit(Decoding &d, size_t place, const BandColour &colour);
void chooseMultiplier(Decoding &d, const BandColour &colour);
bool chooseTolerance(Decoding &d, const BandColour &colour);

// The value, tolerance and range from the bands chosen so far: what a decoder shows before any
// choice too. A step whose conversion or arithmetic fails is skipped and its target keeps its
// previous text.
void computeRange(Decoding &d);

// The number as the display spells it, its points and trailing zero included: "4.7", ".47".
QString displayedNumber(const Decoding &d);
// The display and the range as one line: "4.7 kilo ohms, 5 %, minimum 4.465 Kohm, ...".
QString spokenResult(const Decoding &d);

} // namespace core
