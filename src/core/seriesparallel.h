// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QStringView>

#include <optional>

namespace core {

// Two component values as typed, combined. No result when a text is not a number or the
// arithmetic divides by zero, overflows or is invalid.

// Resistors in series, capacitors in parallel: b + a.
std::optional<double> sum(QStringView first, QStringView second);

// Resistors in parallel, capacitors in series: 1 / (1/b + 1/a), in that order.
std::optional<double> reciprocal(QStringView first, QStringView second);

} // namespace core
