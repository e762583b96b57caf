// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "core/bandcolour.h"

#include <QString>

#include <array>

namespace core {
namespace {

constexpr ToleranceTexts kBrownTol{"1", ".01", "1%"};
constexpr ToleranceTexts kRedTol{"2", ".02", "2%"};
constexpr ToleranceTexts kGoldTol{"5", ".05", "5%"};
constexpr ToleranceTexts kSilverTol{"10", ".1", "10%"};
constexpr ToleranceTexts kNoBandTol{"20", ".2", "20%"};

constexpr std::nullopt_t none = std::nullopt;

// Several paints carry a blue component of 1; those are the real values, not typos.
constexpr std::array<BandColour, 13> kTable{{
        {"black", "Black", 0, 1.0, none, rgb(0, 0, 0), rgb(0, 0, 0), none},
        {"brown", "Brown", 1, 10.0, kBrownTol, rgb(128, 64, 64), rgb(128, 64, 64),
         rgb(128, 64, 64)},
        {"red", "Red", 2, 100.0, kRedTol, rgb(255, 0, 1), rgb(255, 0, 0), rgb(255, 0, 0)},
        {"orange", "Orange", 3, 1e3, none, rgb(255, 128, 1), rgb(255, 128, 1), none},
        {"yellow", "Yellow", 4, 1e4, none, rgb(255, 255, 1), rgb(255, 255, 1), none},
        {"green", "Green", 5, 1e5, none, rgb(0, 255, 1), rgb(0, 255, 1), none},
        {"blue", "Blue", 6, 1e6, none, rgb(0, 0, 255), rgb(0, 0, 255), none},
        {"purple", "Purple", 7, none, none, rgb(255, 0, 255), none, none},
        {"grey", "Grey", 8, none, none, rgb(128, 128, 128), none, none},
        {"white", "White", 9, none, none, rgb(255, 255, 255), none, none},
        {"gold", "Gold", none, 0.1, kGoldTol, none, rgb(192, 192, 1), rgb(192, 192, 1)},
        {"silver", "Silver", none, 0.01, kSilverTol, none, rgb(176, 176, 176), rgb(176, 176, 176)},
        {.listName = "no band",
         .captionName = "No band",
         .digit = none,
         .multiplier = none,
         .tolerance = kNoBandTol,
         .digitPaint = none,
         .multiplierPaint = none,
         .tolerancePaint = none,
         .toleranceIsBody = true},
}};

constexpr const char *kDigitTexts[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

// One item for each colour that has the property, in table order, standing for its colour; N
// must be their number.
template<size_t N, class Has, class Text>
constexpr std::array<ListItem, N> column(Has has, Text text)
{
    std::array<ListItem, N> items{};
    size_t n = 0;
    for (size_t i = 0; i < kTable.size(); ++i) {
        if (has(kTable[i]))
            items.at(n++) = {text(kTable[i]), int(i)};
    }
    return n == N ? items : throw "a list of the wrong length";
}

constexpr auto listName = [](const BandColour &c) { return c.listName; };
constexpr auto digitText = [](const BandColour &c) { return kDigitTexts[*c.digit]; };
constexpr auto isDigit = [](const BandColour &c) { return c.digit.has_value(); };
constexpr auto isFirstDigit = [](const BandColour &c) { return c.digit > 0; };
constexpr auto isTolerance = [](const BandColour &c) { return c.tolerance.has_value(); };

constexpr auto kFirstDigitItems = column<9>(isFirstDigit, listName);
constexpr auto kDigitItems = column<10>(isDigit, listName);
constexpr auto kToleranceItems = column<5>(isTolerance, listName);
constexpr auto kFirstDigitItemTexts = column<9>(isFirstDigit, digitText);
constexpr auto kDigitItemTexts = column<10>(isDigit, digitText);
constexpr auto kToleranceTexts
        = column<5>(isTolerance, [](const BandColour &c) { return c.tolerance->listText; });

// The multipliers from the smallest, silver, to the largest, blue.
constexpr auto kMultiplierItems = [] {
    std::array<ListItem, 9> items{};
    for (size_t i = 0; i < kTable.size(); ++i) {
        const BandColour &c = kTable[i];
        if (!c.multiplier)
            continue;
        size_t smaller = 0;
        for (const BandColour &other : kTable)
            smaller += other.multiplier && *other.multiplier < *c.multiplier;
        items.at(smaller) = {c.listName, int(i)};
    }
    return items;
}();

} // namespace

const char *BandColour::digitText() const
{
    return digit ? kDigitTexts[*digit] : "";
}

std::optional<Colour> BandColour::paint(Role role, Colour body) const
{
    switch (role) {
    case Role::Digit:
        return digitPaint;
    case Role::Multiplier:
        return multiplierPaint;
    case Role::Tolerance:
        if (toleranceIsBody)
            return body;
        return tolerancePaint;
    }
    return std::nullopt;
}

std::span<const BandColour> table()
{
    return kTable;
}

const BandColour &colourAt(int place)
{
    return kTable.at(size_t(place));
}

const BandColour &colourAt(Band band)
{
    return colourAt(int(band));
}

const BandColour *findByListName(QAnyStringView name)
{
    for (const BandColour &entry : kTable) {
        if (QAnyStringView::equal(name, QLatin1String(entry.listName)))
            return &entry;
    }
    return nullptr;
}

ListItems firstDigitItems()
{
    return kFirstDigitItems;
}
ListItems digitItems()
{
    return kDigitItems;
}
ListItems multiplierItems()
{
    return kMultiplierItems;
}
ListItems toleranceItems()
{
    return kToleranceItems;
}
ListItems firstDigitTexts()
{
    return kFirstDigitItemTexts;
}
ListItems digitTexts()
{
    return kDigitItemTexts;
}
ListItems toleranceTexts()
{
    return kToleranceTexts;
}

} // namespace core
