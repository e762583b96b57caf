// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <optional>

namespace core {

// Reads a decimal number with "." as separator, whatever the user's locale: optional blanks
// around it, an optional sign, digits with at most one "." (".47" and "4." are fine) and an
// optional exponent ("1e3", "4.7E-6"). A text without a digit, "inf", "nan", hexadecimal,
// grouping separators and values beyond the range of a double are not numbers.
std::optional<double> toNumber(QStringView text);

// 15 significant digits rounded to nearest, no trailing zeros or ".", "0" before the point
// below 1, exponent form ("1E+15", "1.5E-07") from 10^15 up and below 10^-4. -0 is "0".
// Only finite values have a text; the callers never pass others.
QString toText(double value);

} // namespace core
