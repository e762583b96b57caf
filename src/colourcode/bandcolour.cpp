#include "colourcode/bandcolour.h"

#include <QString>

namespace colourcode {
namespace {

constexpr ToleranceTexts kBrownTol{"1", ".01", "1%"};
constexpr ToleranceTexts kRedTol{"2", ".02", "2%"};
constexpr ToleranceTexts kGoldTol{"5", ".05", "5%"};
constexpr ToleranceTexts kSilverTol{"10", ".1", "10%"};
constexpr ToleranceTexts kNoBandTol{"20", ".2", "20%"};

constexpr std::nullopt_t none = std::nullopt;

// Several paints carry a blue component of 1; those are the real values, not typos.
const std::array<BandColour, 13> kTable{{
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

constexpr const char *kFirstDigitItems[]
        = {"brown", "red", "orange", "yellow", "green", "blue", "purple", "grey", "white"};
constexpr const char *kDigitItems[]
        = {"black", "brown", "red", "orange", "yellow", "green", "blue", "purple", "grey", "white"};
constexpr const char *kMultiplierItems[]
        = {"silver", "gold", "black", "brown", "red", "orange", "yellow", "green", "blue"};
constexpr const char *kToleranceItems[] = {"brown", "red", "gold", "silver", "no band"};

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

const BandColour *findByListName(QStringView name)
{
    for (const BandColour &entry : kTable) {
        if (name == QLatin1String(entry.listName))
            return &entry;
    }
    return nullptr;
}

const BandColour *findByToleranceText(QStringView text)
{
    for (const BandColour &entry : kTable) {
        if (entry.tolerance && text == QLatin1String(entry.tolerance->listText))
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

} // namespace colourcode
