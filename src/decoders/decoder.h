// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include "core/decoding.h"
#include "ui/screen.h"

#include <span>
#include <vector>

namespace decoders {

// What both decoder screens do: bands chosen and painted, the value spelled out in the large
// display, the range computed on every choice. Each screen's table gives its controls their roles.
class Decoder : public ui::Screen
{
    Q_OBJECT
protected:
    Decoder(const ui::WindowDef &window, std::span<const ui::ControlDef> controls,
            core::DigitCount digitCount, core::Colour body);

private:
    // A band's list, its paint on the resistor and, for a digit, the digit in the large display.
    struct Band
    {
        ui::DropDownList *list = nullptr;
        ui::Label *paint = nullptr;
        ui::Label *digit = nullptr;
    };

    void chooseDigit(size_t place, const core::BandColour &colour);
    void chooseMultiplier(const core::BandColour &colour);
    void chooseTolerance(const core::BandColour &colour);
    void paint(const Band &band, core::Role role, const core::BandColour &colour);
    // The display, the range and the spoken result, as the decoding has them.
    void showDecoding();

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
};

} // namespace decoders
