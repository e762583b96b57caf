// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "encoders/encoder.h"

namespace encoders {

using core::BandColour;
using ui::DropDownList;
using ui::Label;
using ui::Role;

Encoder::Encoder(const ui::WindowDef &window, std::span<const ui::ControlDef> controls,
                 const EncoderDesign &design)
    : Screen(window, controls)
    , m_design(design)
{
    const struct
    {
        Role list, paint, name;
    } digits[] = {{Role::FirstDigit, Role::FirstBand, Role::FirstBandName},
                  {Role::SecondDigit, Role::SecondBand, Role::SecondBandName},
                  {Role::ThirdDigit, Role::ThirdBand, Role::ThirdBandName}};
    for (size_t place = 0; place < design.digitCount; ++place) {
        m_digits.push_back(bound<DropDownList>(digits[place].list));
        m_bands.push_back({bound<Label>(digits[place].paint), bound<Label>(digits[place].name)});
    }
    m_bands.push_back({bound<Label>(Role::MultiplierBand), bound<Label>(Role::MultiplierBandName)});
    m_bands.push_back({bound<Label>(Role::ToleranceBand), bound<Label>(Role::ToleranceBandName)});
    m_bandNames = QStringList(qsizetype(m_bands.size()));
    m_points = {bound<DropDownList>(Role::FirstPoint), bound<DropDownList>(Role::SecondPoint)};
    m_unit = bound<DropDownList>(Role::Unit);
    auto *toleranceList = bound<DropDownList>(Role::Tolerance);
    m_valueLine = bound<Label>(Role::ValueLine);
    m_toleranceText = bound<Label>(Role::ToleranceValue);
    m_minimum = bound<Label>(Role::Minimum);
    m_minimumUnit = bound<Label>(Role::MinimumUnit);
    m_maximum = bound<Label>(Role::Maximum);
    m_maximumUnit = bound<Label>(Role::MaximumUnit);
    connect(bound<ui::CommandButton>(Role::Back), &ui::CommandButton::clicked, this,
            &Encoder::leaveRequested);

    for (size_t place = 0; place < m_digits.size(); ++place) {
        connect(m_digits[place], &DropDownList::chosen, this,
                [this, place](int colour) { chooseDigit(place, core::colourAt(colour)); });
    }
    for (size_t chooser = 0; chooser < m_points.size(); ++chooser) {
        connect(m_points[chooser], &DropDownList::chosen, this, [this, chooser](int row) {
            choosePoint(chooser, m_design.points[chooser].rows[size_t(row)]);
        });
    }
    connect(m_unit, &DropDownList::chosen, this, &Encoder::chooseUnit);
    connect(toleranceList, &DropDownList::chosen, this,
            [this](int colour) { chooseTolerance(core::colourAt(colour)); });
    std::vector<QWidget *> lists(m_digits.begin(), m_digits.end());
    lists.insert(lists.end(), {m_points[0], m_points[1], m_unit, toleranceList});
    setResultControls(lists, m_valueLine);
}

void Encoder::chooseDigit(size_t place, const BandColour &colour)
{
    const char *name
            = place == 2 && *colour.digit == 0 ? m_design.thirdZeroName : colour.captionName;
    paintBand(place, *colour.digitPaint, QLatin1String(name));
    showEncoding();
}

void Encoder::choosePoint(size_t chooser, const PointRow &row)
{
    // A point or a letter decides the multiplier band by itself: the unit list and the other
    // chooser are locked, and the band no longer painted from the unit.
    const UnitReset reset = m_design.points[chooser].unitReset;
    m_unit->setEnabled(!row.locks);
    if ((row.locks && reset != UnitReset::Never) || reset == UnitReset::Always)
        m_unit->setText(QStringLiteral(" "));
    m_points[1 - chooser]->setEnabled(!row.locks);
    m_unitPaintsBand = !row.locks;
    paintMultiplierBand(row.band);
    paintUnitBand();
    showEncoding();
}

void Encoder::chooseUnit()
{
    paintUnitBand();
    showEncoding();
}

void Encoder::chooseTolerance(const BandColour &colour)
{
    m_tolerance = &colour;
    paintBand(m_bands.size() - 1, *colour.paint(core::Role::Tolerance, m_design.body),
              QLatin1String(colour.captionName));
    showEncoding();
}

void Encoder::paintUnitBand()
{
    const int row = m_unit->currentIndex();
    if (!m_unitPaintsBand || row < 0 || !m_design.units[size_t(row)].paints)
        return;
    paintMultiplierBand(m_design.units[size_t(row)].band);
}

void Encoder::paintMultiplierBand(const MultiplierPaint &paint)
{
    const BandColour *c = paint.colour ? &core::colourAt(*paint.colour) : nullptr;
    const core::Colour colour = c ? paint.paint.value_or(*c->multiplierPaint) : m_design.body;
    const char *name = paint.name ? paint.name : c ? c->captionName : "";
    paintBand(m_bands.size() - 2, colour, QLatin1String(name));
}

void Encoder::paintBand(size_t band, core::Colour colour, const QString &name)
{
    m_bandNames[qsizetype(band)] = name;
    m_bands[band].paint->setBackColour(colour);
    m_bands[band].name->setCaption(name);
}

void Encoder::showEncoding()
{
    computeRange(m_range);
    m_toleranceText->setCaption(m_range.toleranceText);
    m_minimum->setCaption(m_range.range.minimum);
    m_minimumUnit->setCaption(m_range.range.minimumUnit);
    m_maximum->setCaption(m_range.range.maximum);
    m_maximumUnit->setCaption(m_range.range.maximumUnit);
    m_valueText = valueText();
    m_valueLine->setCaption(m_valueText);
    offerResult(core::spokenEncoding(m_valueText, m_bandNames, m_range.range));
}

} // namespace encoders
