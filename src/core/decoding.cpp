// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "core/decoding.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace core {
namespace {

int exponentOf(const BandColour &multiplier)
{
    return int(std::lround(std::log10(*multiplier.multiplier)));
}

// The digits with the multiplier's zeros appended, or with its point set: gold puts it before
// the last digit, silver before the last two.
QString valueText(const Decoding &d)
{
    const int n = int(d.digitCount);
    QString digits;
    for (int i = 0; i < n; ++i)
        digits += d.display.digits[i];
    if (!d.multiplier)
        return digits;
    const int exponent = exponentOf(*d.multiplier);
    if (exponent >= 0)
        return digits + QString(exponent, u'0');
    QString text;
    for (int i = 0; i < n; ++i) {
        if (i == n + exponent)
            text += u'.';
        text += d.display.digits[i];
    }
    return text;
}

} // namespace

bool chooseDigit(Decoding &d, size_t place, const BandColour &colour)
{
    // No first digit is black.
    if (!colour.digit || (*colour.digit == 0 && place == 0))
        return false;
    d.display.digits[place] = QLatin1String(colour.digitText());
    computeRange(d);
    return true;
}

void chooseMultiplier(Decoding &d, const BandColour &colour)
{
    if (!colour.multiplier)
        return;
    d.multiplier = &colour;
    // The value in ohms, kilohms or megohms, whichever spells it with the digits and at most
    // one zero more, or with a point at most two digits in.
    const int exponent = exponentOf(colour);
    const int digitsShort = 3 - int(d.digitCount);
    const int magnitude = std::max(0, 3 * int(std::ceil((exponent - digitsShort) / 3.0)));
    const int shift = exponent - magnitude;
    DecoderDisplay &display = d.display;
    display.ohms = true;
    display.trailingZero = shift == 1 ? QStringLiteral("0") : QString();
    display.pointBeforeLastDigit = shift == -1;
    display.pointBeforeLastTwoDigits = shift == -2;
    display.magnitude = magnitude == 6 ? QStringLiteral("mega")
            : magnitude == 3           ? QStringLiteral("kilo")
                                       : QString();
    computeRange(d);
}

bool chooseTolerance(Decoding &d, const BandColour &colour)
{
    if (!colour.tolerance)
        return false;
    d.tolerance = &colour;
    d.display.percentSign = true;
    d.display.percent = QLatin1String(colour.tolerance->percent);
    computeRange(d);
    return true;
}

void computeRange(Decoding &d)
{
    d.value = valueText(d);
    if (d.tolerance)
        d.range.fraction = QLatin1String(d.tolerance->tolerance->fraction);

    // In kilohms and megohms the range is of the scaled value, rounded as its text.
    const QString &magnitude = d.display.magnitude;
    if (magnitude.isEmpty()) {
        minimumAndMaximum(d.range, d.value, d.value, QLatin1String("ohm"));
    } else if (magnitude == u"kilo") {
        scaleValue(d.range, d.value, 1e3);
        minimumAndMaximum(d.range, d.range.scaled, d.range.scaled, QLatin1String("Kohm"));
    } else if (magnitude == u"mega") {
        scaleValue(d.range, d.value, 1e6);
        minimumAndMaximum(d.range, d.range.scaled, d.range.scaled, QLatin1String("Mohm"));
    }

    d.toleranceValue = d.display.percent;
}

QString displayedNumber(const Decoding &d)
{
    // Each point has its place on the display, whether or not the digits around it are chosen.
    const int n = int(d.digitCount);
    QString number;
    for (int i = 0; i < n; ++i) {
        if ((i == n - 2 && d.display.pointBeforeLastTwoDigits)
            || (i == n - 1 && d.display.pointBeforeLastDigit))
            number += u'.';
        number += d.display.digits[i];
    }
    return number + d.display.trailingZero;
}

QString spokenResult(const Decoding &d)
{
    QStringList words{displayedNumber(d), d.display.magnitude};
    if (d.display.ohms)
        words << QStringLiteral("ohms");
    words.removeAll(QString());
    const QString tolerance
            = d.display.percentSign ? d.display.percent + QLatin1String(" %") : QString();
    QStringList parts{words.join(u' '), tolerance, spokenRange(d.range)};
    parts.removeAll(QString());
    return parts.join(QLatin1String(", "));
}

} // namespace core
