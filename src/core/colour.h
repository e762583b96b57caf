// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtGlobal>

#include <compare>

namespace core {

// A colour as the design gives it: the standard colour of the control's kind, a fixed colour,
// or a colour of the desktop's scheme by its index in the design's list of them.
class Colour
{
public:
    enum class Kind { Standard, Fixed, Scheme };

    constexpr Colour() = default;
    static constexpr Colour fixed(int r, int g, int b)
    {
        return {Kind::Fixed, quint32(r) << 16 | quint32(g) << 8 | quint32(b)};
    }
    static constexpr Colour scheme(int index) { return {Kind::Scheme, quint32(index)}; }

    constexpr Kind kind() const { return m_kind; }
    constexpr int red() const { return int(m_value >> 16 & 0xff); }
    constexpr int green() const { return int(m_value >> 8 & 0xff); }
    constexpr int blue() const { return int(m_value & 0xff); }
    constexpr int schemeIndex() const { return int(m_value); }

    friend constexpr auto operator<=>(const Colour &, const Colour &) = default;

private:
    constexpr Colour(Kind kind, quint32 value)
        : m_kind(kind)
        , m_value(value)
    {}

    Kind m_kind = Kind::Standard;
    quint32 m_value = 0; // 0xRRGGBB, or the scheme's index
};

constexpr Colour rgb(int r, int g, int b)
{
    return Colour::fixed(r, g, b);
}

inline constexpr Colour kWhite = rgb(255, 255, 255);

} // namespace core
