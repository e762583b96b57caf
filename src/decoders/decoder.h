// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include "core/decoding.h"
#include "ui/screen.h"

#include <span>
#include <vector>

namespace decoders {

// What a multiplier choice shows in the large display.
struct MultiplierRow
{
    const char *item;
    const char *trailingZero = "";
    const char *word = ""; // the magnitude word: "", "kilo" or "mega"
    bool pointBeforeLastDigit = false;
    bool pointBeforeLastTwoDigits = false;
};

// What both decoder screens do: bands chosen and painted, the value spelled out in the large
// display, the range computed on every tick. Each screen binds its bands; the rest of the
// display and the range boxes have the same names on both.
class Decoder : public ui::Screen
{
    Q_OBJECT
protected:
    Decoder(const ui::WindowDef &window, std::span<const ui::ControlDef> controls,
            core::DigitCount digitCount, core::Colour body,
            std::span<const MultiplierRow> multipliers);

    // A band's list, its paint on the resistor and, for a digit, the digit in the large display.
    struct Band
    {
        ui::DropDownList *list = nullptr;
        ui::Label *paint = nullptr;
        ui::Label *digit = nullptr;
    };
    // Called once the screen's bands are bound: the digits' in band order, then the multiplier
    // and the tolerance.
    void bindBands(std::vector<Band> digits, Band multiplier, Band tolerance);

private slots:
    void chooseFirstDigit();
    void chooseSecondDigit();
    void chooseThirdDigit();
    void chooseMultiplier();
    void chooseTolerance();
    void computeRange();

private:
    void chooseDigit(size_t place);
    void showDisplay();
    void showRange();

    std::span<const MultiplierRow> m_multipliers;
    core::Colour m_body;
    std::vector<Band> m_digitBands;
    Band m_multiplierBand;
    Band m_toleranceBand;
    // The large display beyond the digits, left to right.
    ui::Label *m_pointBeforeLastTwoDigits = nullptr;
    ui::Label *m_pointBeforeLastDigit = nullptr;
    ui::Label *m_trailingZero = nullptr;
    ui::Label *m_magnitudeWord = nullptr;
    ui::Label *m_ohmsWord = nullptr;
    ui::Label *m_percent = nullptr;
    ui::Label *m_percentSign = nullptr;
    // The boxes the range computation fills.
    ui::Label *m_toleranceValue = nullptr;
    ui::Label *m_minimum = nullptr;
    ui::Label *m_minimumUnit = nullptr;
    ui::Label *m_maximum = nullptr;
    ui::Label *m_maximumUnit = nullptr;

    core::Decoding m_decoding;
    bool m_displayChanged = false;
};

} // namespace decoders
