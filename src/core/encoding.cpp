// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "core/encoding.h"

#include <optional>
#include <span>

namespace core {
namespace {

void takeTolerance(const BandColour *colour, EncoderTexts &t)
{
    if (colour && colour->tolerance)
        t.range.fraction = QLatin1String(colour->tolerance->fraction);
}

// The maximum of the four-band copies is computed from the digit text itself.
enum class MaximumOf { Scaled, Digits };

// One block of the range: the scaled value (the digits as they are, without a divisor), then
// minimum and maximum with their unit.
void runBlock(EncoderTexts &t, std::optional<double> divisor, const char *unit,
              MaximumOf maximumOf = MaximumOf::Scaled)
{
    if (!divisor)
        t.range.scaled = t.digits;
    else
        scaleValue(t.range, t.digits, *divisor);
    const QString &maximumOfText = maximumOf == MaximumOf::Digits ? t.digits : t.range.scaled;
    minimumAndMaximum(t.range, t.range.scaled, maximumOfText, QLatin1String(unit));
}

bool is(const QString &text, const char *literal)
{
    return text == QLatin1String(literal);
}

// A point or a letter decides band 3; a unit still kept in the disabled unit list must not
// count as well, or the range would contradict the bands and the value text.
const QString &fourBandUnitThatCounts(const FourBandChoice &c)
{
    static const QString noUnit;
    const bool pointOrLetter = is(c.pointOrLetter, ".") || is(c.pointOrLetter, "k")
            || is(c.pointOrLetter, "M") || is(c.pointInFront, ".");
    return pointOrLetter ? noUnit : c.unit;
}

// The value written out with its digits: zeros appended for the unit, or a point set.
QString fourBandDigits(const FourBandChoice &c, const QString &u)
{
    const QString d = c.firstDigit + c.secondDigit;
    QString digits = d;
    if (is(u, "0 ohm"))
        digits = d + QLatin1String("0");
    if (is(u, " Kohm"))
        digits = d + QLatin1String("000");
    if (is(u, "0 Kohm"))
        digits = d + QLatin1String("0000");
    if (is(c.pointOrLetter, "M"))
        digits = d + QLatin1String("00000");
    if (is(u, " Mohm"))
        digits = d + QLatin1String("000000");
    if (is(c.pointOrLetter, "."))
        digits = c.firstDigit + QLatin1Char('.') + c.secondDigit;
    if (is(c.pointInFront, "."))
        digits = QLatin1Char('.') + d;
    return digits;
}

// The blocks of a range, in order; each runs where its list reads its item, the last writer wins.
template<class Choice>
struct RangeStep
{
    QString Choice::*list;
    const char *item;
    std::optional<double> divisor = {};
    const char *unit;
    MaximumOf maximumOf = MaximumOf::Scaled;
};

template<class Choice>
void runSteps(const Choice &c, std::span<const RangeStep<Choice>> steps, EncoderTexts &t)
{
    for (const RangeStep<Choice> &step : steps) {
        if (is(c.*step.list, step.item))
            runBlock(t, step.divisor, step.unit, step.maximumOf);
    }
}

using Four = FourBandChoice;
// clang-format off
constexpr RangeStep<Four> kFourBandSteps[] = {
        {.list = &Four::pointOrLetter, .item = ".", .unit = "ohm", .maximumOf = MaximumOf::Digits},
        {.list = &Four::pointInFront, .item = ".", .unit = "ohm", .maximumOf = MaximumOf::Digits},
        {.list = &Four::unit, .item = " ohm", .unit = "ohm", .maximumOf = MaximumOf::Digits},
        {.list = &Four::unit, .item = "0 ohm", .unit = "ohm", .maximumOf = MaximumOf::Digits},
        {.list = &Four::pointOrLetter, .item = "k", .divisor = 10, .unit = "Kohm"},
        {.list = &Four::unit, .item = " Kohm", .divisor = 1e3, .unit = "Kohm"},
        {.list = &Four::unit, .item = "0 Kohm", .divisor = 1e3, .unit = "Kohm"},
        {.list = &Four::pointOrLetter, .item = "M", .divisor = 1e6, .unit = "Mohm"},
        {.list = &Four::unit, .item = " Mohm", .divisor = 1e6, .unit = "Mohm"},
};
// clang-format on

// The megohm choices append one zero fewer and are divided by 100 000.
QString fiveBandDigits(const FiveBandChoice &c)
{
    const QString d = c.firstDigit + c.secondDigit + c.thirdDigit;
    QString digits = d;
    if (is(c.afterFirst, "."))
        digits = c.firstDigit + QLatin1Char('.') + c.secondDigit + c.thirdDigit;
    if (is(c.afterFirst, "k"))
        digits = d + QLatin1String("0");
    if (is(c.afterFirst, "M"))
        digits = d + QLatin1String("000");
    if (is(c.unit, " ohm"))
        digits = d;
    if (is(c.unit, " Mohm"))
        digits = d + QLatin1String("00000");
    if (is(c.afterSecond, "M"))
        digits = d + QLatin1String("0000");
    if (is(c.afterSecond, "k"))
        digits = d + QLatin1String("00");
    if (is(c.afterSecond, "."))
        digits = c.firstDigit + c.secondDigit + QLatin1Char('.') + c.thirdDigit;
    return digits;
}

using Five = FiveBandChoice;
// clang-format off
constexpr RangeStep<Five> kFiveBandSteps[] = {
        {.list = &Five::afterSecond, .item = ".", .unit = "ohm"},
        {.list = &Five::afterFirst, .item = ".", .unit = "ohm"},
        // "kohm" in lower case here alone, unlike "Kohm" elsewhere: it is what users see.
        {.list = &Five::afterFirst, .item = "k", .divisor = 1e3, .unit = "kohm"},
        {.list = &Five::afterFirst, .item = "M", .divisor = 1e5, .unit = "Mohm"},
        {.list = &Five::unit, .item = " ohm", .unit = "ohm"},
        {.list = &Five::afterSecond, .item = "k", .divisor = 1e3, .unit = "Kohm"},
        {.list = &Five::unit, .item = " Kohm", .unit = "Kohm"},
        {.list = &Five::afterSecond, .item = "M", .divisor = 1e5, .unit = "Mohm"},
        {.list = &Five::unit, .item = " Mohm", .divisor = 1e5, .unit = "Mohm"},
};
// clang-format on

} // namespace

void fourBandRange(const FourBandChoice &c, EncoderTexts &t)
{
    FourBandChoice counted = c;
    counted.unit = fourBandUnitThatCounts(c);
    t.digits = fourBandDigits(c, counted.unit);
    takeTolerance(c.toleranceColour, t);
    runSteps<Four>(counted, kFourBandSteps, t);
    t.toleranceText = c.tolerance;
}

void fiveBandRange(const FiveBandChoice &c, EncoderTexts &t)
{
    t.digits = fiveBandDigits(c);
    takeTolerance(c.toleranceColour, t);
    runSteps<Five>(c, kFiveBandSteps, t);
    t.toleranceText = c.tolerance;
}

QString fourBandValueText(const FourBandChoice &c)
{
    const QString tail = QLatin1Char(' ') + c.tolerance;
    QString text = c.pointInFront + c.firstDigit + c.pointOrLetter + c.secondDigit + c.unit + tail;
    if (is(c.pointOrLetter, " "))
        text = c.firstDigit + c.secondDigit + c.unit + tail;
    if (is(c.pointInFront, " "))
        text = c.firstDigit + c.secondDigit + c.unit + tail;
    if (is(c.pointInFront, "."))
        text = QLatin1Char('.') + c.firstDigit + c.secondDigit + QLatin1String(" ohms") + tail;
    if (is(c.pointOrLetter, "."))
        text = c.firstDigit + QLatin1Char('.') + c.secondDigit + QLatin1String(" ohms") + tail;
    if (is(c.pointOrLetter, "k"))
        text = c.firstDigit + QLatin1Char('.') + c.secondDigit + QLatin1String(" Kohms") + tail;
    if (is(c.pointOrLetter, "M"))
        text = c.firstDigit + QLatin1Char('.') + c.secondDigit + QLatin1String(" Mohms") + tail;
    return text;
}

QString fiveBandValueText(const FiveBandChoice &c)
{
    const QString tail = QLatin1Char(' ') + c.tolerance;
    const QString d = c.firstDigit + c.secondDigit + c.thirdDigit;
    QString text = c.firstDigit + c.afterFirst + c.secondDigit + c.afterSecond + c.thirdDigit
            + c.unit + tail;
    if (is(c.afterSecond, " "))
        text = d + c.unit + tail;
    if (is(c.afterFirst, " "))
        text = d + c.unit + tail;
    const QString afterFirst = c.firstDigit + QLatin1Char('.') + c.secondDigit + c.thirdDigit;
    const QString afterSecond = c.firstDigit + c.secondDigit + QLatin1Char('.') + c.thirdDigit;
    if (is(c.afterFirst, "."))
        text = afterFirst + QLatin1String(" ohms") + tail;
    if (is(c.afterFirst, "k"))
        text = afterFirst + QLatin1String(" Kohms") + tail;
    if (is(c.afterFirst, "M"))
        text = afterFirst + QLatin1String(" Mohms") + tail;
    if (is(c.afterSecond, "."))
        text = afterSecond + QLatin1String(" ohms") + tail;
    if (is(c.afterSecond, "k"))
        text = afterSecond + QLatin1String(" Kohms") + tail;
    if (is(c.afterSecond, "M"))
        text = afterSecond + QLatin1String(" Mohms") + tail;
    return text;
}

QString spokenEncoding(const QString &valueLine, const QStringList &bandNames,
                       const RangeTexts &range)
{
    QStringList bands = bandNames;
    bands.removeAll(QString());
    QStringList value{valueLine.trimmed(), bands.join(QLatin1String(", "))};
    value.removeAll(QString());
    QStringList parts{value.join(QLatin1String(": ")), spokenRange(range)};
    parts.removeAll(QString());
    return parts.join(QLatin1String("; "));
}

} // namespace core
