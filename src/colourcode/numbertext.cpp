#include "colourcode/numbertext.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstring>

namespace colourcode {
namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<double> toNumber(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    // Far longer than any number a user types; keeps the copy on the stack.
    constexpr qsizetype kMaxLength = 64;
    if (end - begin > kMaxLength || begin == end)
        return std::nullopt;

    char buf[kMaxLength + 1];
    qsizetype n = 0;
    for (qsizetype i = begin; i < end; ++i) {
        const char16_t c = text[i].unicode();
        if (c > 0x7f)
            return std::nullopt;
        buf[n++] = char(c);
    }

    qsizetype i = 0;
    bool negative = false;
    if (buf[i] == '+' || buf[i] == '-') {
        negative = buf[i] == '-';
        ++i;
    }
    const qsizetype numberStart = i;
    int digits = 0;
    bool point = false;
    for (; i < n; ++i) {
        if (isDigit(buf[i]))
            ++digits;
        else if (buf[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < n) {
        if (buf[i] != 'e' && buf[i] != 'E')
            return std::nullopt;
        ++i;
        if (i < n && (buf[i] == '+' || buf[i] == '-'))
            ++i;
        int exponentDigits = 0;
        while (i < n && isDigit(buf[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0 || i != n)
            return std::nullopt;
    }

    double value = 0;
    const auto [ptr, ec]
            = std::from_chars(buf + numberStart, buf + n, value, std::chars_format::general);
    if (ec != std::errc() || ptr != buf + n || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

namespace {

QString format(double value);

} // namespace

QString toText(double value)
{
    // The timers convert the same few values on every tick; remembering the last texts makes
    // an unchanged tick cheap and shares one string between the ticks.
    struct Entry
    {
        double value = 0;
        QString text = QStringLiteral("0");
    };
    thread_local std::array<Entry, 8> cache;
    thread_local size_t next = 0;
    for (const Entry &e : cache) {
        if (std::memcmp(&e.value, &value, sizeof value) == 0)
            return e.text;
    }
    Entry &slot = cache[next];
    next = (next + 1) % cache.size();
    slot.value = value;
    slot.text = format(value);
    return slot.text;
}

namespace {

QString format(double value)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");

    // "d.dddddddddddddde+XX": the 15 significant digits and the decimal exponent.
    char sci[40];
    const auto res = std::to_chars(sci, sci + sizeof sci, value, std::chars_format::scientific, 14);
    *res.ptr = '\0';

    const char *p = sci;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    char digits[16];
    int count = 0;
    for (; *p && *p != 'e'; ++p) {
        if (isDigit(*p))
            digits[count++] = *p;
    }
    const int exponent = std::atoi(p + 1);
    while (count > 1 && digits[count - 1] == '0')
        --count;

    char out[48];
    int o = 0;
    if (negative)
        out[o++] = '-';

    if (exponent >= 15 || exponent < -4) {
        out[o++] = digits[0];
        if (count > 1) {
            out[o++] = '.';
            std::memcpy(out + o, digits + 1, count - 1);
            o += count - 1;
        }
        out[o++] = 'E';
        out[o++] = exponent < 0 ? '-' : '+';
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude >= 100)
            out[o++] = char('0' + magnitude / 100);
        out[o++] = char('0' + magnitude / 10 % 10);
        out[o++] = char('0' + magnitude % 10);
    } else if (exponent < 0) {
        out[o++] = '0';
        out[o++] = '.';
        for (int z = -1; z > exponent; --z)
            out[o++] = '0';
        std::memcpy(out + o, digits, count);
        o += count;
    } else {
        for (int d = 0; d <= exponent; ++d)
            out[o++] = d < count ? digits[d] : '0';
        if (count > exponent + 1) {
            out[o++] = '.';
            std::memcpy(out + o, digits + exponent + 1, count - exponent - 1);
            o += count - exponent - 1;
        }
    }
    return QString::fromLatin1(out, o);
}

} // namespace
} // namespace colourcode
