// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include "core/colour.h"
#include "core/listitem.h"

#include <QAnyStringView>

#include <optional>
#include <span>

namespace core {

// The bodies of the resistors drawn on the four-band and the five-band screens.
inline constexpr Colour kFourBandBody = rgb(255, 255, 192);
inline constexpr Colour kFiveBandBody = rgb(128, 128, 255);

enum class Role { Digit, Multiplier, Tolerance };

struct ToleranceTexts
{
    const char *percent; // "5", beside a "%" sign
    const char *fraction; // ".05", without a leading zero
    const char *listText; // "5%", an item of the encoders' tolerance lists
};

// One of the thirteen band colours, "black" to "white", "gold", "silver" and "no band".
struct BandColour
{
    const char *listName; // "red": the decoders' list items
    const char *captionName; // "Red": what the encoders name a band
    std::optional<int> digit;
    std::optional<double> multiplier;
    std::optional<ToleranceTexts> tolerance;
    std::optional<Colour> digitPaint;
    std::optional<Colour> multiplierPaint;
    std::optional<Colour> tolerancePaint;
    // "no band" paints its tolerance band in the body colour of its screen.
    bool toleranceIsBody = false;

    // "0" to "9", or "" for a colour that is no digit.
    const char *digitText() const;
    std::optional<Colour> paint(Role role, Colour body) const;
};

// The colours in the table's order.
enum class Band {
    Black,
    Brown,
    Red,
    Orange,
    Yellow,
    Green,
    Blue,
    Purple,
    Grey,
    White,
    Gold,
    Silver,
    NoBand
};

std::span<const BandColour> table();
// The colour a colour list's item stands for: its place in the table.
const BandColour &colourAt(int place);
const BandColour &colourAt(Band band);
// Exact and case-sensitive: "red" finds red, "Red" and "red " find nothing.
const BandColour *findByListName(QAnyStringView name);

// The items of the lists the screens choose from, in the order the lists show them; each
// stands for its colour.
// The decoders' lists: colours by list name.
ListItems firstDigitItems(); // "brown" to "white": no first digit is black
ListItems digitItems(); // "black" to "white"
ListItems multiplierItems(); // "silver", "gold", "black" to "blue": smallest first
ListItems toleranceItems(); // "brown", "red", "gold", "silver", "no band"
// The encoders' lists: digits and tolerances as they are written.
ListItems firstDigitTexts(); // "1" to "9"
ListItems digitTexts(); // "0" to "9"
ListItems toleranceTexts(); // "1%" to "20%"

} // namespace core
