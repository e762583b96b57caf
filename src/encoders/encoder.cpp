// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "encoders/encoder.h"

#include "core/bandcolour.h"

namespace encoders {

using core::BandColour;
using ui::DropDownList;
using ui::Label;

Encoder::Encoder(const ui::WindowDef &window, std::span<const ui::ControlDef> controls,
                 core::Colour body, std::span<const UnitRow> units)
    : Screen(window, controls)
    , m_body(body)
    , m_units(units)
{
    m_valueLine = control<Label>("Label15");
    m_toleranceText = control<Label>("Label21");
    m_minimum = control<Label>("minvalue");
    m_minimumUnit = control<Label>("multimin");
    m_maximum = control<Label>("maxvalue");
    m_maximumUnit = control<Label>("multimax");
    m_unitBandTimer = timer("Timer2");
    connect(timer("Timer1"), &ui::Timer::ticked, this, &Encoder::showValueText);
    connect(m_unitBandTimer, &ui::Timer::ticked, this, &Encoder::paintUnitBand);
    connect(timer("Timer3"), &ui::Timer::ticked, this, &Encoder::computeRange);
    connect(control<ui::CommandButton>("Command2"), &ui::CommandButton::clicked, this,
            &Encoder::leaveRequested);
}

void Encoder::bindValueRow(ValueRow row)
{
    m_row = std::move(row);
    void (Encoder::*const chooseDigits[])()
            = {&Encoder::chooseFirstDigit, &Encoder::chooseSecondDigit, &Encoder::chooseThirdDigit};
    std::vector<QWidget *> lists;
    for (size_t i = 0; i < m_row.digits.size(); ++i) {
        connect(m_row.digits[i].list, &DropDownList::clicked, this, chooseDigits[i]);
        m_bands.push_back(m_row.digits[i].band);
        lists.push_back(m_row.digits[i].list);
    }
    m_bands.insert(m_bands.end(), {m_row.multiplierBand, m_row.toleranceBand});
    m_bandNames = QStringList(qsizetype(m_bands.size()));
    connect(m_row.points[0].list, &DropDownList::clicked, this, &Encoder::chooseFirstPoint);
    connect(m_row.points[1].list, &DropDownList::clicked, this, &Encoder::chooseSecondPoint);
    connect(m_row.tolerance, &DropDownList::clicked, this, &Encoder::chooseTolerance);
    lists.insert(lists.end(),
                 {m_row.points[0].list, m_row.points[1].list, m_row.unit, m_row.tolerance});
    setResultControls(lists, m_valueLine);
}

void Encoder::chooseFirstDigit()
{
    chooseDigit(0);
}

void Encoder::chooseSecondDigit()
{
    chooseDigit(1);
}

void Encoder::chooseThirdDigit()
{
    chooseDigit(2);
}

void Encoder::chooseDigit(size_t place)
{
    const DigitBand &digit = m_row.digits[place];
    if (const BandColour *c = core::findByDigitText(digit.list->text()))
        paintBand(place, *c->digitPaint,
                  QLatin1String(*c->digit == 0 ? digit.zeroName : c->captionName));
}

void Encoder::chooseFirstPoint()
{
    choosePoint(m_row.points[0], m_row.points[1]);
}

void Encoder::chooseSecondPoint()
{
    choosePoint(m_row.points[1], m_row.points[0]);
}

void Encoder::choosePoint(const PointChooser &chooser, const PointChooser &other)
{
    const QString text = chooser.list->text();
    for (const PointRow &row : chooser.rows) {
        if (text != QLatin1String(row.item))
            continue;
        // A point or a letter decides the multiplier band by itself: the unit list and the other
        // chooser are locked, and the unit band no longer painted from the unit.
        m_row.unit->setEnabled(!row.locks);
        if ((row.locks && chooser.unitReset != UnitReset::Never)
            || chooser.unitReset == UnitReset::Always)
            m_row.unit->setText(QStringLiteral(" "));
        other.list->setEnabled(!row.locks);
        m_unitBandTimer->setEnabled(!row.locks);
        paintMultiplierBand(row.band);
    }
}

void Encoder::chooseTolerance()
{
    if (const BandColour *c = core::findByToleranceText(m_row.tolerance->text()))
        paintBand(m_bands.size() - 1, *c->paint(core::Role::Tolerance, m_body),
                  QLatin1String(c->captionName));
}

void Encoder::paintMultiplierBand(const MultiplierPaint &paint)
{
    const BandColour *c
            = paint.colour ? core::findByListName(QLatin1String(paint.colour)) : nullptr;
    const core::Colour colour = c ? paint.paint.value_or(*c->multiplierPaint) : m_body;
    const char *name = paint.name ? paint.name : c ? c->captionName : "";
    paintBand(m_bands.size() - 2, colour, QLatin1String(name));
}

void Encoder::paintBand(size_t band, core::Colour colour, const QString &name)
{
    m_bandNames[qsizetype(band)] = name;
    m_bands[band].paint->setBackColour(colour);
    m_bands[band].name->setCaption(name);
}

void Encoder::showValueText()
{
    m_valueText = valueText();
    m_valueLine->setCaption(m_valueText);
    // After the range, which its 1 ms timer computes at once: one announcement a choice.
    offerResult(resultText());
}

void Encoder::paintUnitBand()
{
    const QString unit = m_row.unit->text();
    const QString named = m_bandNames[qsizetype(m_bands.size()) - 2];
    for (const UnitRow &row : m_units) {
        if (unit == QLatin1String(row.item))
            paintMultiplierBand(row.band);
    }
    // The result names the bands; this tick is the only one that repaints the band from the unit.
    if (m_bandNames[qsizetype(m_bands.size()) - 2] != named)
        offerResult(resultText());
}

void Encoder::computeRange()
{
    rangeTick(m_range);
    showRange();
}

void Encoder::showRange()
{
    m_toleranceText->setCaption(m_range.toleranceText);
    m_minimum->setCaption(m_range.range.minimum);
    m_minimumUnit->setCaption(m_range.range.minimumUnit);
    m_maximum->setCaption(m_range.range.maximum);
    m_maximumUnit->setCaption(m_range.range.maximumUnit);
}

QString Encoder::resultText() const
{
    return core::spokenEncoding(m_valueText, m_bandNames, m_range.range);
}

} // namespace encoders
