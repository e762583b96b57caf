// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

// libFuzzer target: the number conversions and the calculator's input. A text read as a
// number, written back, reads as the same number (exactly when it has at most 15 significant
// digits), and the written text is stable.

#include "core/numbertext.h"
#include "core/seriesparallel.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkRoundTrip(QStringView text)
{
    const auto value = core::toNumber(text);
    if (!value)
        return;
    const QString written = core::toText(*value);
    const auto back = core::toNumber(written);
    require(std::isfinite(*value) && back && core::toText(*back) == written);
    int digits = 0;
    for (QChar c : text.left(text.indexOf(u'e', 0, Qt::CaseInsensitive)))
        digits += c.isDigit() && (digits || c != u'0');
    require(digits > 15 || std::fabs(*value) < 1e-300 || *back == *value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    checkRoundTrip(text);
    // The calculator's two boxes: the input split at its first newline.
    const qsizetype split = text.indexOf(u'\n');
    const QStringView first = QStringView(text).left(split < 0 ? text.size() : split);
    const QStringView second = split < 0 ? QStringView() : QStringView(text).mid(split + 1);
    for (const auto result : {core::sum(first, second), core::reciprocal(first, second)}) {
        require(!result || std::isfinite(*result));
        if (result)
            checkRoundTrip(core::toText(*result));
    }
    return 0;
}
