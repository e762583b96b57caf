// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "core/seriesparallel.h"

#include "core/numbertext.h"

#include <cmath>

namespace core {
namespace {

std::optional<double> finite(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> inverse(double value)
{
    if (value == 0)
        return std::nullopt;
    return finite(1 / value);
}

} // namespace

std::optional<double> sum(QStringView first, QStringView second)
{
    const auto a = toNumber(first);
    const auto b = toNumber(second);
    if (!a || !b)
        return std::nullopt;
    return finite(*b + *a);
}

std::optional<double> reciprocal(QStringView first, QStringView second)
{
    const auto a = toNumber(first);
    if (!a)
        return std::nullopt;
    const auto p = inverse(*a);
    if (!p)
        return std::nullopt;
    const auto b = toNumber(second);
    if (!b)
        return std::nullopt;
    const auto q = inverse(*b);
    if (!q)
        return std::nullopt;
    const auto s = finite(*q + *p);
    if (!s)
        return std::nullopt;
    return inverse(*s);
}

} // namespace core
