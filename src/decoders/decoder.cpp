// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "decoders/decoder.h"

namespace decoders {

using core::BandColour;
using ui::DropDownList;
using ui::Label;
using ui::Role;

Decoder::Decoder(const ui::WindowDef &window, std::span<const ui::ControlDef> controls,
                 core::DigitCount digitCount, core::Colour body)
    : Screen(window, controls)
    , m_body(body)
{
    m_decoding.digitCount = digitCount;
    const struct
    {
        Role list, paint, digit;
    } digits[] = {{Role::FirstDigit, Role::FirstBand, Role::FirstShownDigit},
                  {Role::SecondDigit, Role::SecondBand, Role::SecondShownDigit},
                  {Role::ThirdDigit, Role::ThirdBand, Role::ThirdShownDigit}};
    for (size_t place = 0; place < size_t(digitCount); ++place) {
        m_digitBands.push_back({bound<DropDownList>(digits[place].list),
                                bound<Label>(digits[place].paint),
                                bound<Label>(digits[place].digit)});
    }
    m_multiplierBand = {bound<DropDownList>(Role::Multiplier), bound<Label>(Role::MultiplierBand)};
    m_toleranceBand = {bound<DropDownList>(Role::Tolerance), bound<Label>(Role::ToleranceBand)};
    m_pointBeforeLastTwoDigits = bound<Label>(Role::PointBeforeLastTwoDigits);
    m_pointBeforeLastDigit = bound<Label>(Role::PointBeforeLastDigit);
    m_trailingZero = bound<Label>(Role::TrailingZero);
    m_magnitudeWord = bound<Label>(Role::Magnitude);
    m_ohmsWord = bound<Label>(Role::Ohms);
    m_percent = bound<Label>(Role::Percent);
    m_percentSign = bound<Label>(Role::PercentSign);
    m_toleranceValue = bound<Label>(Role::ToleranceValue);
    m_minimum = bound<Label>(Role::Minimum);
    m_minimumUnit = bound<Label>(Role::MinimumUnit);
    m_maximum = bound<Label>(Role::Maximum);
    m_maximumUnit = bound<Label>(Role::MaximumUnit);
    connect(bound<ui::CommandButton>(Role::Back), &ui::CommandButton::clicked, this,
            &Decoder::leaveRequested);

    std::vector<QWidget *> lists;
    for (size_t place = 0; place < m_digitBands.size(); ++place) {
        connect(m_digitBands[place].list, &DropDownList::chosen, this,
                [this, place](int colour) { chooseDigit(place, core::colourAt(colour)); });
        lists.push_back(m_digitBands[place].list);
    }
    connect(m_multiplierBand.list, &DropDownList::chosen, this,
            [this](int colour) { chooseMultiplier(core::colourAt(colour)); });
    connect(m_toleranceBand.list, &DropDownList::chosen, this,
            [this](int colour) { chooseTolerance(core::colourAt(colour)); });
    lists.insert(lists.end(), {m_multiplierBand.list, m_toleranceBand.list});
    setResultControls(lists, m_digitBands.front().digit);
    // An untouched decoder already shows the unit of its range.
    core::computeRange(m_decoding);
    showDecoding();
}

void Decoder::chooseDigit(size_t place, const BandColour &colour)
{
    if (core::chooseDigit(m_decoding, place, colour))
        paint(m_digitBands[place], core::Role::Digit, colour);
}

void Decoder::chooseMultiplier(const BandColour &colour)
{
    core::chooseMultiplier(m_decoding, colour);
    paint(m_multiplierBand, core::Role::Multiplier, colour);
}

void Decoder::chooseTolerance(const BandColour &colour)
{
    if (core::chooseTolerance(m_decoding, colour))
        paint(m_toleranceBand, core::Role::Tolerance, colour);
}

void Decoder::paint(const Band &band, core::Role role, const BandColour &colour)
{
    if (const auto paint = colour.paint(role, m_body))
        band.paint->setBackColour(*paint);
    showDecoding();
}

void Decoder::showDecoding()
{
    const core::DecoderDisplay &display = m_decoding.display;
    for (size_t i = 0; i < m_digitBands.size(); ++i)
        m_digitBands[i].digit->setCaption(display.digits[i]);
    m_pointBeforeLastTwoDigits->setVisible(display.pointBeforeLastTwoDigits);
    m_pointBeforeLastDigit->setVisible(display.pointBeforeLastDigit);
    m_trailingZero->setCaption(display.trailingZero);
    m_magnitudeWord->setCaption(display.magnitude);
    m_ohmsWord->setVisible(display.ohms);
    m_percent->setCaption(display.percent);
    m_percentSign->setVisible(display.percentSign);
    m_toleranceValue->setCaption(m_decoding.toleranceValue);
    m_minimum->setCaption(m_decoding.range.minimum);
    m_minimumUnit->setCaption(m_decoding.range.minimumUnit);
    m_maximum->setCaption(m_decoding.range.maximum);
    m_maximumUnit->setCaption(m_decoding.range.maximumUnit);
    offerResult(core::spokenResult(m_decoding));
}

} // namespace decoders
