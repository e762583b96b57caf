// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

// The range every computing screen shows, and the steps that compute it: the value in the unit
// of the range, its minimum and maximum under the tolerance. A step whose conversion or
// arithmetic fails is skipped and its target keeps its previous text.

#include <QString>

namespace core {

// What a computing screen keeps from one choice to the next; the last four are its range boxes.
struct RangeTexts
{
    QString fraction; // the tolerance as a decimal fraction text: ".05"
    QString scaled; // the value in the unit the range is shown in
    QString minimum, minimumUnit, maximum, maximumUnit;
};

// scaled := value ÷ divisor.
void scaleValue(RangeTexts &t, const QString &value, double divisor);

// minimum := v − f × v of minimumOf and maximum := f × v + v of maximumOf, with f the fraction;
// both units := unit, whatever the numbers.
void minimumAndMaximum(RangeTexts &t, const QString &minimumOf, const QString &maximumOf,
                       QLatin1String unit);

// "minimum 4.465 Kohm, maximum 4.935 Kohm", as the range boxes show it; an empty box is left out.
QString spokenRange(const RangeTexts &t);

} // namespace core
