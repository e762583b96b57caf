// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include "core/bandcolour.h"
#include "core/range.h"

#include <QString>
#include <QStringList>

namespace core {

// What an encoder's range computation keeps from one choice to the next, and shows.
struct EncoderTexts
{
    QString digits; // the value written with its digits, a point or appended zeros
    RangeTexts range;
    QString toleranceText;
};

// The list texts of the four-band encoder, left to right.
struct FourBandChoice
{
    QString pointInFront; // " " or "."
    QString firstDigit;
    QString pointOrLetter; // between the digits: " ", ".", "k" or "M"
    QString secondDigit;
    QString unit; // " ohm", "0 ohm", " Kohm", "0 Kohm", " Mohm"
    QString tolerance;
    const BandColour *toleranceColour = nullptr;
};

// The list texts of the five-band encoder, left to right.
struct FiveBandChoice
{
    QString firstDigit;
    QString afterFirst; // after the first digit: " ", ".", "k" or "M"
    QString secondDigit;
    QString afterSecond; // after the second digit: " ", ".", "k" or "M"
    QString thirdDigit;
    QString unit; // " ", " ohm", " Kohm", " Mohm"
    QString tolerance;
    const BandColour *toleranceColour = nullptr;
};

// Each range from the lists as they read. A step whose conversion or arithmetic fails is
// skipped and its target keeps its previous text.
void fourBandRange(const FourBandChoice &choice, EncoderTexts &t);
void fiveBandRange(const FiveBandChoice &choice, EncoderTexts &t);

// The value as one line of text, as the lists spell it.
QString fourBandValueText(const FourBandChoice &choice);
QString fiveBandValueText(const FiveBandChoice &choice);

// The value line, the bands' names in band order and the range as one line:
// "47 Kohm 5%: Yellow, Purple, Orange, Gold; minimum 44.65 Kohm, maximum 49.35 Kohm".
QString spokenEncoding(const QString &valueLine, const QStringList &bandNames,
                       const RangeTexts &range);

} // namespace core
