#include "colourcode/range.h"

#include "colourcode/numbertext.h"

#include <cmath>

namespace colourcode {
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

} // namespace colourcode
