// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

namespace ui {

// What a control is to its screen, as the screen binds it. Roles the computing screens share
// have one name, so that what they have in common is bound once.
enum class Role {
    None,
    Back, // the way back to the menu
    // The lists of the bands or the value, left to right.
    FirstDigit,
    SecondDigit,
    ThirdDigit,
    Multiplier,
    Tolerance,
    FirstPoint, // the encoders' point or letter choosers
    SecondPoint,
    Unit,
    // The resistor's bands as painted, and as the encoders name them, in band order.
    FirstBand,
    SecondBand,
    ThirdBand,
    MultiplierBand,
    ToleranceBand,
    FirstBandName,
    SecondBandName,
    ThirdBandName,
    MultiplierBandName,
    ToleranceBandName,
    // The decoders' large display, left to right.
    FirstShownDigit,
    PointBeforeLastTwoDigits,
    SecondShownDigit,
    PointBeforeLastDigit,
    ThirdShownDigit,
    TrailingZero,
    Magnitude,
    Ohms,
    Percent,
    PercentSign,
    // The results.
    ValueLine,
    ToleranceValue,
    Minimum,
    MinimumUnit,
    Maximum,
    MaximumUnit,
    // The menu's buttons.
    OpenChart,
    OpenFourBandDecoder,
    OpenFourBandEncoder,
    OpenCalculator,
    OpenFiveBandDecoder,
    OpenFiveBandEncoder,
    Quit,
    // The calculator's boxes and buttons.
    FirstValue,
    SecondValue,
    Result,
    SeriesResistors,
    ParallelResistors,
    SeriesCapacitors,
    ParallelCapacitors,
    Clear,
    News, // the splash's line that a click does not leave
};

} // namespace ui
