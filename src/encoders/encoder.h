// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

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
    const char *colour = nullptr; // the table's list name
    std::optional<core::Colour> paint = {};
    const char *name = nullptr;
};

// An item of the unit list and the multiplier band it paints.
struct UnitRow
{
    const char *item;
    MultiplierPaint band;
};

// An item of a point chooser: a point or a letter decides the multiplier band by itself and
// locks the unit list and the other chooser; the blank releases them.
struct PointRow
{
    const char *item;
    bool locks;
    MultiplierPaint band = {};
};

// Whether a point chooser sets the unit list back to its blank item.
enum class UnitReset { Never, WhenLocking, Always };

// What both encoder screens do: digits, a point or letter, a unit and a tolerance chosen in the
// value row; the bands painted and named; the value line and the range computed by timers.
// Each screen binds its value row; the results have the same names on both.
class Encoder : public ui::Screen
{
    Q_OBJECT
protected:
    Encoder(const ui::WindowDef &window, std::span<const ui::ControlDef> controls,
            core::Colour body, std::span<const UnitRow> units);

    struct Band
    {
        ui::Label *paint = nullptr;
        ui::Label *name = nullptr;
    };
    struct DigitBand
    {
        ui::DropDownList *list = nullptr;
        Band band;
        const char *zeroName = "Black"; // how the band names a black digit
    };
    struct PointChooser
    {
        ui::DropDownList *list = nullptr;
        std::span<const PointRow> rows;
        UnitReset unitReset = UnitReset::Never;
    };
    struct ValueRow
    {
        std::vector<DigitBand> digits; // in band order
        std::array<PointChooser, 2> points; // left to right
        ui::DropDownList *unit = nullptr;
        ui::DropDownList *tolerance = nullptr;
        Band multiplierBand;
        Band toleranceBand;
    };
    // Called once the screen's value row is bound.
    void bindValueRow(ValueRow row);

    // The value line and one tick of the range computation, from the lists' texts.
    virtual QString valueText() const = 0;
    virtual void rangeTick(core::EncoderTexts &texts) const = 0;

private slots:
    void chooseFirstDigit();
    void chooseSecondDigit();
    void chooseThirdDigit();
    // The point choosers, left to right.
    void chooseFirstPoint();
    void chooseSecondPoint();
    void chooseTolerance();
    void showValueText();
    void paintUnitBand();
    void computeRange();

private:
    void chooseDigit(size_t place);
    void choosePoint(const PointChooser &chooser, const PointChooser &other);
    void paintMultiplierBand(const MultiplierPaint &paint);
    // band: its place in band order
    void paintBand(size_t band, core::Colour colour, const QString &name);
    void showRange();
    QString resultText() const;

    core::Colour m_body;
    std::span<const UnitRow> m_units;
    ValueRow m_row;
    // The bands in band order: the digits, the multiplier, the tolerance.
    std::vector<Band> m_bands;
    ui::Label *m_valueLine = nullptr;
    ui::Label *m_toleranceText = nullptr;
    ui::Label *m_minimum = nullptr;
    ui::Label *m_minimumUnit = nullptr;
    ui::Label *m_maximum = nullptr;
    ui::Label *m_maximumUnit = nullptr;
    ui::Timer *m_unitBandTimer = nullptr;

    // What the screen shows: the bands' names in band order, the value line, the range.
    QStringList m_bandNames;
    QString m_valueText;
    core::EncoderTexts m_range;
};

} // namespace encoders
