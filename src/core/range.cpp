// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "core/range.h"

#include "core/numbertext.h"

#include <QStringList>

#include <cmath>

namespace core {
namespace {

// The number as text, unless the arithmetic gave none.
void assignIfFinite(QString &target, double value)
{
    if (std::isfinite(value))
        target = toText(value);
}

} // namespace

void scaleValue(RangeTexts &t, const QString &value, double divisor)
{
    if (const auto v = toNumber(value))
        assignIfFinite(t.scaled, *v / divisor);
}

void minimumAndMaximum(RangeTexts &t, const QString &minimumOf, const QString &maximumOf,
                       QLatin1String unit)
{
    const auto f = toNumber(t.fraction);
    const auto low = toNumber(minimumOf);
    if (low && f)
        assignIfFinite(t.minimum, *low - *f * *low);
    t.minimumUnit = unit;
    const auto high = toNumber(maximumOf);
    if (high && f)
        assignIfFinite(t.maximum, *f * *high + *high);
    t.maximumUnit = unit;
}

QString spokenRange(const RangeTexts &t)
{
    QStringList parts;
    if (!t.minimum.isEmpty())
        parts << QLatin1String("minimum ") + t.minimum + u' ' + t.minimumUnit;
    if (!t.maximum.isEmpty())
        parts << QLatin1String("maximum ") + t.maximum + u' ' + t.maximumUnit;
    return parts.join(QLatin1String(", "));
}

} // namespace core
