// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "core/decoding.h"

#include "core/bandcolour.h"

#include <QStringList>

#include <cmath>

namespace core {
namespace {

// The digits with the multiplier's zeros appended, or with its point set: gold puts it before
// the last digit, silver before the last two.
QString valueText(const Decoding &d, QStringView multiplier)
{
    const int n = int(d.digitCount);
    QString digits;
    for (int i = 0; i < n; ++i)
        digits += d.display.digits[i];
    const BandColour *m = findByListName(multiplier);
    if (!m || !m->multiplier)
        return digits;
    const double factor = *m->multiplier;
    if (factor >= 1)
        return digits + QString(int(std::lround(std::log10(factor))), u'0');
    const int before = n - int(std::lround(-std::log10(factor)));
    QString text;
    for (int i = 0; i < n; ++i) {
        if (i == before)
            text += u'.';
        text += d.display.digits[i];
    }
    return text;
}

} // namespace

void decoderTick(Decoding &d, QStringView multiplier, QStringView tolerance)
{
    d.value = valueText(d, multiplier);

    const BandColour *tol = findByListName(tolerance);
    if (tol && tol->tolerance)
        d.range.fraction = QLatin1String(tol->tolerance->fraction);

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
