#include "colourcode/decodedvalue.h"

#include "colourcode/bandcolour.h"

#include <cmath>

namespace colourcode {
namespace {

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
    const int places = int(std::lround(-std::log10(factor)));
    const int before = n - places;
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
        t.range.fraction = QLatin1String(tol->tolerance->fraction);

    // In kilohms and megohms the range is of the scaled value, rounded as its text.
    if (t.magnitude.isEmpty()) {
        minimumAndMaximum(t.range, t.value, t.value, QLatin1String("ohm"));
    } else if (t.magnitude == u"kilo") {
        scaleValue(t.range, t.value, 1e3);
        minimumAndMaximum(t.range, t.range.scaled, t.range.scaled, QLatin1String("Kohm"));
    } else if (t.magnitude == u"mega") {
        scaleValue(t.range, t.value, 1e6);
        minimumAndMaximum(t.range, t.range.scaled, t.range.scaled, QLatin1String("Mohm"));
    }

    t.toleranceValue = t.percent;
}

} // namespace colourcode
