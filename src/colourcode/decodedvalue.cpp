#include "colourcode/decodedvalue.h"

#include "colourcode/bandcolour.h"
#include "colourcode/numbertext.h"

#include <cmath>

namespace colourcode {
namespace {

void assignIfFinite(QString &target, double value)
{
    if (std::isfinite(value))
        target = toText(value);
}

void computeRange(DecoderTexts &t, const QString &valueText, QLatin1String unit)
{
    const auto v = toNumber(valueText);
    const auto f = toNumber(t.fraction);
    if (v && f)
        assignIfFinite(t.minimum, *v - *f * *v);
    t.minimumUnit = unit;
    if (v && f)
        assignIfFinite(t.maximum, *f * *v + *v);
    t.maximumUnit = unit;
}

void computeScaled(DecoderTexts &t, double divisor, QLatin1String unit)
{
    if (const auto v = toNumber(t.value))
        assignIfFinite(t.scaled, *v / divisor);
    computeRange(t, t.scaled, unit);
}

// The digits with the multiplier's zeros appended, or with its point set: gold puts it before
// the last digit, silver before the last two.
QString valueText(const DecoderTexts &t, int n)
{
    const QString *d[3] = {&t.d1, &t.d2, &t.d3};
    QString digits;
    for (int i = 0; i < n; ++i)
        digits += *d[i];
    const BandColour *m = findByListName(t.multiplier);
    if (!m || !m->multiplier)
        return digits;
    const double factor = *m->multiplier;
    if (factor >= 1)
        return digits + QString(int(std::lround(std::log10(factor))), u'0');
    const int before = factor > 0.05 ? n - 1 : n - 2;
    QString text;
    for (int i = 0; i < n; ++i) {
        if (i == before)
            text += u'.';
        text += *d[i];
    }
    return text;
}

} // namespace

void decoderTick(DecoderTexts &t, int digitCount)
{
    t.value = valueText(t, digitCount == 3 ? 3 : 2);

    const BandColour *tol = findByListName(t.tolerance);
    if (tol && tol->tolerance)
        t.fraction = QLatin1String(tol->tolerance->fraction);

    if (t.magnitude.isEmpty())
        computeRange(t, t.value, QLatin1String("ohm"));
    else if (t.magnitude == u"kilo")
        computeScaled(t, 1e3, QLatin1String("Kohm"));
    else if (t.magnitude == u"mega")
        computeScaled(t, 1e6, QLatin1String("Mohm"));

    t.toleranceValue = t.percent;
}

} // namespace colourcode
