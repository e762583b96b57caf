// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "core/numbertext.h"

#include <QVarLengthArray>

#include <charconv>
#include <cmath>

namespace core {
namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

QStringView withoutBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// A sign, digits with at most one point and at least one digit, an optional exponent.
bool isDecimalNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    int digits = 0;
    bool point = false;
    for (; i < n; ++i) {
        if (isDigit(text[i].unicode()))
            ++digits;
        else if (text[i] == u'.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return false;
    if (i == n)
        return true;
    if (text[i] != u'e' && text[i] != u'E')
        return false;
    ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype exponentStart = i;
    while (i < n && isDigit(text[i].unicode()))
        ++i;
    return i > exponentStart && i == n;
}

// The number of a text that isDecimalNumber accepted, if a double holds it, however long the
// text. The texts of the screens are short and are copied on the stack.
std::optional<double> convert(QStringView text)
{
    QVarLengthArray<char, 64> buf(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        buf[i] = char(text[i].unicode());
    const char *begin = buf.data();
    const char *end = begin + buf.size();
    // from_chars takes a minus but no plus
    const bool negative = *begin == '-';
    if (*begin == '+' || *begin == '-')
        ++begin;
    double value = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, value, std::chars_format::general);
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

// A finite, non-zero value as up to 15 significant digits and the power of ten of the first.
struct Digits
{
    bool negative = false;
    char digits[16] = {};
    int count = 0;
    int exponent = 0;
};

Digits significantDigits(double value)
{
    // "d.dddddddddddddde+XX": the 15 significant digits and the decimal exponent.
    char sci[40];
    const auto res = std::to_chars(sci, sci + sizeof sci, value, std::chars_format::scientific, 14);
    *res.ptr = '\0';
    Digits d;
    const char *p = sci;
    d.negative = *p == '-';
    if (d.negative)
        ++p;
    for (; *p && *p != 'e'; ++p) {
        if (isDigit(char16_t(*p)))
            d.digits[d.count++] = *p;
    }
    d.exponent = std::atoi(p + 1);
    while (d.count > 1 && d.digits[d.count - 1] == '0')
        --d.count;
    return d;
}

// "1.5E+20", "-2E+16", "1E-05"
QString exponentForm(const Digits &d)
{
    QString out;
    if (d.negative)
        out += u'-';
    out += QLatin1Char(d.digits[0]);
    if (d.count > 1) {
        out += u'.';
        out += QLatin1String(d.digits + 1, d.count - 1);
    }
    out += u'E';
    out += d.exponent < 0 ? u'-' : u'+';
    const int magnitude = std::abs(d.exponent);
    if (magnitude >= 100)
        out += QChar(u'0' + magnitude / 100);
    out += QChar(u'0' + magnitude / 10 % 10);
    out += QChar(u'0' + magnitude % 10);
    return out;
}

// "0.004465", "1188", "2.85714285714286"
QString fixedForm(const Digits &d)
{
    QString out;
    if (d.negative)
        out += u'-';
    if (d.exponent < 0) {
        out += QLatin1String("0.");
        out += QString(-1 - d.exponent, u'0');
        out += QLatin1String(d.digits, d.count);
        return out;
    }
    for (int i = 0; i <= d.exponent; ++i)
        out += QLatin1Char(i < d.count ? d.digits[i] : '0');
    if (d.count > d.exponent + 1) {
        out += u'.';
        out += QLatin1String(d.digits + d.exponent + 1, d.count - d.exponent - 1);
    }
    return out;
}

QString format(double value)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");
    const Digits d = significantDigits(value);
    return d.exponent >= 15 || d.exponent < -4 ? exponentForm(d) : fixedForm(d);
}

} // namespace

std::optional<double> toNumber(QStringView text)
{
    const QStringView number = withoutBlanks(text);
    if (!isDecimalNumber(number))
        return std::nullopt;
    return convert(number);
}

QString toText(double value)
{
    return format(value);
}

} // namespace core
