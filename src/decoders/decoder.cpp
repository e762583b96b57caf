// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "decoders/decoder.h"

#include "core/bandcolour.h"

namespace decoders {

using core::BandColour;
using core::Role;
using ui::DropDownList;
using ui::Label;

Decoder::Decoder(const ui::WindowDef &window, std::span<const ui::ControlDef> controls,
                 core::DigitCount digitCount, core::Colour body,
                 std::span<const MultiplierRow> multipliers)
    : Screen(window, controls)
    , m_multipliers(multipliers)
    , m_body(body)
{
    m_decoding.digitCount = digitCount;
    m_pointBeforeLastTwoDigits = control<Label>("Label21");
    m_pointBeforeLastDigit = control<Label>("Label20");
    m_trailingZero = control<Label>("Label12");
    m_magnitudeWord = control<Label>("Label8");
    m_ohmsWord = control<Label>("Label7");
    m_percent = control<Label>("Label9");
    m_percentSign = control<Label>("Label10");
    m_toleranceValue = control<Label>("Label29");
    m_minimum = control<Label>("minvalue");
    m_minimumUnit = control<Label>("multimin");
    m_maximum = control<Label>("maxvalue");
    m_maximumUnit = control<Label>("multimax");
    connect(timer("Timer1"), &ui::Timer::ticked, this, &Decoder::computeRange);
    connect(control<ui::CommandButton>("Command1"), &ui::CommandButton::clicked, this,
            &Decoder::leaveRequested);
}

void Decoder::bindBands(std::vector<Band> digits, Band multiplier, Band tolerance)
{
    m_digitBands = std::move(digits);
    m_multiplierBand = multiplier;
    m_toleranceBand = tolerance;
    void (Decoder::*const chooseDigits[])()
            = {&Decoder::chooseFirstDigit, &Decoder::chooseSecondDigit, &Decoder::chooseThirdDigit};
    std::vector<QWidget *> lists;
    for (size_t i = 0; i < m_digitBands.size(); ++i) {
        connect(m_digitBands[i].list, &DropDownList::clicked, this, chooseDigits[i]);
        lists.push_back(m_digitBands[i].list);
    }
    connect(m_multiplierBand.list, &DropDownList::clicked, this, &Decoder::chooseMultiplier);
    connect(m_toleranceBand.list, &DropDownList::clicked, this, &Decoder::chooseTolerance);
    lists.insert(lists.end(), {m_multiplierBand.list, m_toleranceBand.list});
    setResultControls(lists, m_digitBands.front().digit);
}

void Decoder::chooseFirstDigit()
{
    chooseDigit(0);
}

void Decoder::chooseSecondDigit()
{
    chooseDigit(1);
}

void Decoder::chooseThirdDigit()
{
    chooseDigit(2);
}

void Decoder::chooseDigit(size_t place)
{
    const Band &band = m_digitBands[place];
    const BandColour *colour = core::findByListName(band.list->text());
    // No first digit is black.
    if (!colour || !colour->digit || (*colour->digit == 0 && place == 0))
        return;
    m_decoding.display.digits[place] = QLatin1String(colour->digitText());
    band.paint->setBackColour(*colour->paint(Role::Digit, m_body));
    showDisplay();
}

void Decoder::chooseMultiplier()
{
    const QString text = m_multiplierBand.list->text();
    for (const MultiplierRow &row : m_multipliers) {
        if (text != QLatin1String(row.item))
            continue;
        core::DecoderDisplay &display = m_decoding.display;
        display.ohms = true;
        display.trailingZero = QLatin1String(row.trailingZero);
        display.magnitude = QLatin1String(row.word);
        display.pointBeforeLastDigit = row.pointBeforeLastDigit;
        display.pointBeforeLastTwoDigits = row.pointBeforeLastTwoDigits;
        m_multiplierBand.paint->setBackColour(
                *core::findByListName(text)->paint(Role::Multiplier, m_body));
        showDisplay();
    }
}

void Decoder::chooseTolerance()
{
    const BandColour *colour = core::findByListName(m_toleranceBand.list->text());
    if (!colour || !colour->tolerance)
        return;
    m_decoding.display.percentSign = true;
    m_decoding.display.percent = QLatin1String(colour->tolerance->percent);
    m_toleranceBand.paint->setBackColour(*colour->paint(Role::Tolerance, m_body));
    showDisplay();
}

void Decoder::showDisplay()
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
    m_displayChanged = true;
}

void Decoder::computeRange()
{
    const core::RangeTexts before = m_decoding.range;
    core::decoderTick(m_decoding, m_multiplierBand.list->text(), m_toleranceBand.list->text());
    showRange();
    const core::RangeTexts &after = m_decoding.range;
    if (m_displayChanged || after.minimum != before.minimum || after.maximum != before.maximum
        || after.minimumUnit != before.minimumUnit) {
        m_displayChanged = false;
        offerResult(core::spokenResult(m_decoding));
    }
}

void Decoder::showRange()
{
    m_toleranceValue->setCaption(m_decoding.toleranceValue);
    m_minimum->setCaption(m_decoding.range.minimum);
    m_minimumUnit->setCaption(m_decoding.range.minimumUnit);
    m_maximum->setCaption(m_decoding.range.maximum);
    m_maximumUnit->setCaption(m_decoding.range.maximumUnit);
}

} // namespace decoders
