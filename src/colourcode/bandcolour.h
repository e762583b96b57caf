#pragma once

#include <QStringView>

#include <array>
#include <optional>
#include <span>

namespace colourcode {

// Colours are 0x00BBGGRR: red in the low byte.
using Colour = quint32;

constexpr Colour rgb(int r, int g, int b)
{
    return Colour(r) | (Colour(g) << 8) | (Colour(b) << 16);
}

inline constexpr Colour kWhite = rgb(255, 255, 255);
inline constexpr Colour kFourBandBody = rgb(255, 255, 192);
inline constexpr Colour kFiveBandBody = rgb(128, 128, 255);

enum class Role { Digit, Multiplier, Tolerance };

struct ToleranceTexts
{
    const char *percent;
    const char *fraction;
    const char *listText;
};

struct BandColour
{
    const char *listName;
    const char *captionName;
    std::optional<int> digit;
    std::optional<double> multiplier;
    std::optional<ToleranceTexts> tolerance;
    std::optional<Colour> digitPaint;
    std::optional<Colour> multiplierPaint;
    // "no band" paints its tolerance band in the body colour of its screen.
    std::optional<Colour> tolerancePaint;
    bool toleranceIsBody = false;

    // "0" to "9", or an empty view when the colour is no digit.
    const char *digitText() const;
    std::optional<Colour> paint(Role role, Colour body) const;
};

std::span<const BandColour> table();
const BandColour *findByListName(QStringView name);
// By the tolerance text of the encoders' lists: "1%" ... "20%".
const BandColour *findByToleranceText(QStringView text);

using ListItems = std::span<const char *const>;
ListItems firstDigitItems();
ListItems digitItems();
ListItems multiplierItems();
ListItems toleranceItems();

} // namespace colourcode
