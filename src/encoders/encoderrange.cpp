#include "encoders/encoderrange.h"

#include "colourcode/bandcolour.h"
#include "colourcode/numbertext.h"

#include <cmath>

namespace encoders {
namespace {

using colourcode::toNumber;
using colourcode::toText;

void assignIfFinite(QString &target, double value)
{
    if (std::isfinite(value))
        target = toText(value);
}

void takeTolerance(const QString &tolerance, RangeTexts &t)
{
    if (const auto *colour = colourcode::findByToleranceText(tolerance))
        t.fraction = QLatin1String(colour->tolerance->fraction);
}

enum class Source { Copy, Scale };
// The maximum of the four-band copies is computed from the digit text itself.
enum class MaximumOf { Scaled, Digits };

// One block of the range: the scaled value, then minimum and maximum with their unit.
void runBlock(RangeTexts &t, Source source, double divisor, const char *unit,
              MaximumOf maximumOf = MaximumOf::Scaled)
{
    if (source == Source::Copy) {
        t.scaled = t.digits;
    } else if (const auto v = toNumber(t.digits)) {
        assignIfFinite(t.scaled, *v / divisor);
    }
    const auto f = toNumber(t.fraction);
    const auto s = toNumber(t.scaled);
    if (s && f)
        assignIfFinite(t.minimum, *s - *f * *s);
    t.minimumUnit = QLatin1String(unit);
    const auto v = maximumOf == MaximumOf::Digits ? toNumber(t.digits) : s;
    if (v && f)
        assignIfFinite(t.maximum, *f * *v + *v);
    t.maximumUnit = QLatin1String(unit);
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
    const bool pointOrLetter
            = is(c.combo1, ".") || is(c.combo1, "k") || is(c.combo1, "M") || is(c.combo2, ".");
    return pointOrLetter ? noUnit : c.number3;
}

// The value written out with its digits: zeros appended for the unit, or a point set.
QString fourBandDigits(const FourBandChoice &c, const QString &u)
{
    const QString d = c.number1 + c.number2;
    QString digits = d;
    if (is(u, "0 ohm"))
        digits = d + QLatin1String("0");
    if (is(u, " Kohm"))
        digits = d + QLatin1String("000");
    if (is(u, "0 Kohm"))
        digits = d + QLatin1String("0000");
    if (is(c.combo1, "M"))
        digits = d + QLatin1String("00000");
    if (is(u, " Mohm"))
        digits = d + QLatin1String("000000");
    if (is(c.combo1, "."))
        digits = c.number1 + QLatin1Char('.') + c.number2;
    if (is(c.combo2, "."))
        digits = QLatin1Char('.') + d;
    return digits;
}

void runFourBandBlocks(const FourBandChoice &c, const QString &u, RangeTexts &t)
{
    if (is(c.combo1, "."))
        runBlock(t, Source::Copy, 1, "ohm", MaximumOf::Digits);
    if (is(c.combo2, "."))
        runBlock(t, Source::Copy, 1, "ohm", MaximumOf::Digits);
    if (is(u, " ohm"))
        runBlock(t, Source::Copy, 1, "ohm", MaximumOf::Digits);
    if (is(u, "0 ohm"))
        runBlock(t, Source::Copy, 1, "ohm", MaximumOf::Digits);
    if (is(c.combo1, "k"))
        runBlock(t, Source::Scale, 10, "Kohm");
    if (is(u, " Kohm"))
        runBlock(t, Source::Scale, 1e3, "Kohm");
    if (is(u, "0 Kohm"))
        runBlock(t, Source::Scale, 1e3, "Kohm");
    if (is(c.combo1, "M"))
        runBlock(t, Source::Scale, 1e6, "Mohm");
    if (is(u, " Mohm"))
        runBlock(t, Source::Scale, 1e6, "Mohm");
}

// The megohm choices append one zero fewer and are divided by 100 000.
QString fiveBandDigits(const FiveBandChoice &c)
{
    const QString d = c.number1 + c.number2 + c.digit3;
    QString digits = d;
    if (is(c.combo2, "."))
        digits = c.number1 + QLatin1Char('.') + c.number2 + c.digit3;
    if (is(c.combo2, "k"))
        digits = d + QLatin1String("0");
    if (is(c.combo2, "M"))
        digits = d + QLatin1String("000");
    if (is(c.multiplier, " ohm"))
        digits = d;
    if (is(c.multiplier, " Mohm"))
        digits = d + QLatin1String("00000");
    if (is(c.combo1, "M"))
        digits = d + QLatin1String("0000");
    if (is(c.combo1, "k"))
        digits = d + QLatin1String("00");
    if (is(c.combo1, "."))
        digits = c.number1 + c.number2 + QLatin1Char('.') + c.digit3;
    return digits;
}

void runFiveBandBlocks(const FiveBandChoice &c, RangeTexts &t)
{
    if (is(c.combo1, "."))
        runBlock(t, Source::Copy, 1, "ohm");
    if (is(c.combo2, "."))
        runBlock(t, Source::Copy, 1, "ohm");
    if (is(c.combo2, "k"))
        runBlock(t, Source::Scale, 1e3, "kohm");
    if (is(c.combo2, "M"))
        runBlock(t, Source::Scale, 1e5, "Mohm");
    if (is(c.multiplier, " ohm"))
        runBlock(t, Source::Copy, 1, "ohm");
    if (is(c.combo1, "k"))
        runBlock(t, Source::Scale, 1e3, "Kohm");
    if (is(c.multiplier, " Kohm"))
        runBlock(t, Source::Copy, 1, "Kohm");
    if (is(c.combo1, "M"))
        runBlock(t, Source::Scale, 1e5, "Mohm");
    if (is(c.multiplier, " Mohm"))
        runBlock(t, Source::Scale, 1e5, "Mohm");
}

} // namespace

void fourBandRangeTick(const FourBandChoice &c, RangeTexts &t)
{
    const QString &unit = fourBandUnitThatCounts(c);
    t.digits = fourBandDigits(c, unit);
    takeTolerance(c.tolerance, t);
    runFourBandBlocks(c, unit, t);
    t.toleranceText = c.tolerance;
}

void fiveBandRangeTick(const FiveBandChoice &c, RangeTexts &t)
{
    t.digits = fiveBandDigits(c);
    takeTolerance(c.tolerance, t);
    runFiveBandBlocks(c, t);
    t.toleranceText = c.tolerance;
}

QString fourBandValueText(const FourBandChoice &c)
{
    const QString tail = QLatin1Char(' ') + c.tolerance;
    QString text = c.combo2 + c.number1 + c.combo1 + c.number2 + c.number3 + tail;
    if (is(c.combo1, " "))
        text = c.number1 + c.number2 + c.number3 + tail;
    if (is(c.combo2, " "))
        text = c.number1 + c.number2 + c.number3 + tail;
    if (is(c.combo2, "."))
        text = QLatin1Char('.') + c.number1 + c.number2 + QLatin1String(" ohms") + tail;
    if (is(c.combo1, "."))
        text = c.number1 + QLatin1Char('.') + c.number2 + QLatin1String(" ohms") + tail;
    if (is(c.combo1, "k"))
        text = c.number1 + QLatin1Char('.') + c.number2 + QLatin1String(" Kohms") + tail;
    if (is(c.combo1, "M"))
        text = c.number1 + QLatin1Char('.') + c.number2 + QLatin1String(" Mohms") + tail;
    return text;
}

QString fiveBandValueText(const FiveBandChoice &c)
{
    const QString tail = QLatin1Char(' ') + c.tolerance;
    const QString d = c.number1 + c.number2 + c.digit3;
    QString text = c.number1 + c.combo2 + c.number2 + c.combo1 + c.digit3 + c.multiplier + tail;
    if (is(c.combo1, " "))
        text = d + c.multiplier + tail;
    if (is(c.combo2, " "))
        text = d + c.multiplier + tail;
    const QString afterFirst = c.number1 + QLatin1Char('.') + c.number2 + c.digit3;
    const QString afterSecond = c.number1 + c.number2 + QLatin1Char('.') + c.digit3;
    if (is(c.combo2, "."))
        text = afterFirst + QLatin1String(" ohms") + tail;
    if (is(c.combo2, "k"))
        text = afterFirst + QLatin1String(" Kohms") + tail;
    if (is(c.combo2, "M"))
        text = afterFirst + QLatin1String(" Mohms") + tail;
    if (is(c.combo1, "."))
        text = afterSecond + QLatin1String(" ohms") + tail;
    if (is(c.combo1, "k"))
        text = afterSecond + QLatin1String(" Kohms") + tail;
    if (is(c.combo1, "M"))
        text = afterSecond + QLatin1String(" Mohms") + tail;
    return text;
}

} // namespace encoders
