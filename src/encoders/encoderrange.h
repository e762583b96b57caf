#pragma once

#include <QString>

namespace encoders {

// The working texts and results of an encoder's range computation, as its labels hold them.
struct RangeTexts
{
    QString digits; // the value written with its digits, a point or appended zeros
    QString fraction; // the tolerance as a decimal fraction text
    QString scaled; // the value in the unit the range is shown in
    QString minimum, minimumUnit, maximum, maximumUnit;
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
};

// One tick of each range computation. A step whose conversion or arithmetic fails is skipped
// and its target keeps its previous text.
void fourBandRangeTick(const FourBandChoice &choice, RangeTexts &t);
void fiveBandRangeTick(const FiveBandChoice &choice, RangeTexts &t);

// The value as one line of text, as the lists spell it.
QString fourBandValueText(const FourBandChoice &choice);
QString fiveBandValueText(const FiveBandChoice &choice);

} // namespace encoders
