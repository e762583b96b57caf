// libFuzzer target: the number conversions and the calculator's input.
// Property: a text read as a number, written back, reads as the same number (exactly, when it
// has at most 15 significant digits; otherwise its text is stable).

#include "calculator/formulas.h"
#include "colourcode/numbertext.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

int significantDigits(QStringView text)
{
    int count = 0;
    bool leading = true;
    for (QChar c : text) {
        if (c == u'e' || c == u'E')
            break;
        if (!c.isDigit())
            continue;
        if (leading && c == u'0')
            continue;
        leading = false;
        ++count;
    }
    return count;
}

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkRoundTrip(QStringView text)
{
    const auto value = colourcode::toNumber(text);
    if (!value)
        return;
    require(std::isfinite(*value));
    const QString written = colourcode::toText(*value);
    const auto back = colourcode::toNumber(written);
    require(back.has_value());
    if (significantDigits(text) <= 15 && std::fabs(*value) >= 1e-300)
        require(*back == *value || (*back == 0 && *value == 0));
    require(colourcode::toText(*back) == written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    checkRoundTrip(text);

    // The calculator's two boxes: the input split at its first newline.
    const qsizetype split = text.indexOf(u'\n');
    const QStringView first = split < 0 ? QStringView(text) : QStringView(text).left(split);
    const QStringView second = split < 0 ? QStringView() : QStringView(text).mid(split + 1);
    for (const auto result :
         {calculator::sum(first, second), calculator::reciprocal(first, second)}) {
        if (result) {
            require(std::isfinite(*result));
            checkRoundTrip(colourcode::toText(*result));
        }
    }
    return 0;
}
