// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtGlobal>

namespace core {

// A colour as the design writes it: 0x00BBGGRR, red in the low byte.
using Colour = quint32;

constexpr Colour rgb(int r, int g, int b)
{
    return Colour(r) | (Colour(g) << 8) | (Colour(b) << 16);
}

inline constexpr Colour kWhite = rgb(255, 255, 255);

} // namespace core
