// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include "core/bandcolour.h"
#include "core/encoding.h"
#include "ui/screen.h"

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace encoders {

// How a choice paints the multiplier band: as the colour table paints and names a colour in
// that band, unless this screen paints or names it otherwise. No colour: the body, no name.
struct MultiplierPaint
{
    std::optional<core::Band> colour = {};
    std::optional<core::Colour> paint = {};
    const char *name = nullptr;
};

// An item of the unit list and the multiplier band it paints; one that paints none leaves the
// band as it is.
struct UnitRow
{
    const char *item;
    MultiplierPaint band = {};
    bool paints = true;
};

// An item of a point chooser: a point or a letter decides the multiplier band by itself and
// locks the unit list and the other chooser; the blank releases them.
struct PointRow
{
    const char *item;
    bool locks;
    MultiplierPaint band = {};
};

// A list's items from its rows, each standing for its row.
template<class Row, size_t N>
constexpr std::array<core::ListItem, N> itemsOf(const Row (&rows)[N])
{
    std::array<core::ListItem, N> items{};
    for (size_t i = 0; i < N; ++i)
        items[i] = {rows[i].item, int(i)};
    return items;
}

// Whether a point chooser sets the unit list back to its blank item.
enum class UnitReset { Never, WhenLocking, Always };

struct PointChooser
{
    std::span<const PointRow> rows;
    UnitReset unitReset = UnitReset::Never;
};

// What sets the encoder screens apart, beyond their tables.
struct EncoderDesign
{
    core::Colour body;
    size_t digitCount;
    std::span<const UnitRow> units;
    std::array<PointChooser, 2> points; // left to right
    const char *thirdZeroName = "Black"; // how a third digit's band names black
};

// What both encoder screens do: digits, a point or letter, a unit and a tolerance chosen in the
// value row; the bands painted and named; the value line and the range computed on every
// choice. Each screen's table gives its controls their roles.
class Encoder : public ui::Screen
{
    Q_OBJECT
protected:
    Encoder(const ui::WindowDef &window, std::span<const ui::ControlDef> controls,
            const EncoderDesign &design);

    // The tolerance chosen, the colour it stands for.
    const core::BandColour *tolerance() const { return m_tolerance; }
    // The value line and the range, from the lists as they read now.
    virtual QString valueText() const = 0;
    virtual void computeRange(core::EncoderTexts &texts) const = 0;
    // The value line, the range and the spoken result, from the lists and bands as they are:
    // also once the derived screen is made.
    void showEncoding();

private:
    struct Band
    {
        ui::Label *paint = nullptr;
        ui::Label *name = nullptr;
    };

    void chooseDigit(size_t place, const core::BandColour &colour);
    void choosePoint(size_t chooser, const PointRow &row);
    void chooseUnit();
    void chooseTolerance(const core::BandColour &colour);
    void paintUnitBand();
    void paintMultiplierBand(const MultiplierPaint &paint);
    // band: its place in band order
    void paintBand(size_t band, core::Colour colour, const QString &name);
    EncoderDesign m_design;
    std::vector<ui::DropDownList *> m_digits;
    std::array<ui::DropDownList *, 2> m_points = {};
    ui::DropDownList *m_unit = nullptr;
    // The bands in band order: the digits, the multiplier, the tolerance.
    std::vector<Band> m_bands;
    ui::Label *m_valueLine = nullptr;
    ui::Label *m_toleranceText = nullptr;
    ui::Label *m_minimum = nullptr;
    ui::Label *m_minimumUnit = nullptr;
    ui::Label *m_maximum = nullptr;
    ui::Label *m_maximumUnit = nullptr;

    // The multiplier band follows the unit list while no point or letter decides it.
    bool m_unitPaintsBand = true;
    const core::BandColour *m_tolerance = nullptr;
    // What the screen shows: the bands' names in band order, the value line, the range.
    QStringList m_bandNames;
    QString m_valueText;
    core::EncoderTexts m_range;
};

} // namespace encoders
