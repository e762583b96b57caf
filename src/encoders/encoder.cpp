#include "encoders/encoder.h"

#include "ui/navigation.h"

namespace encoders {

using colourcode::BandColour;
using ui::Label;

Encoder::Encoder(ui::ScreenId id, const ui::WindowDef &window,
                 std::span<const ui::ControlDef> controls, colourcode::Colour body)
    : Screen(id, window, controls)
    , m_body(body)
{
    m_Label15 = control<Label>("Label15");
    m_Label18 = control<Label>("Label18");
    m_Label19 = control<Label>("Label19");
    m_Label21 = control<Label>("Label21");
    m_Label28 = control<Label>("Label28");
    m_minvalue = control<Label>("minvalue");
    m_maxvalue = control<Label>("maxvalue");
    m_multimin = control<Label>("multimin");
    m_multimax = control<Label>("multimax");
}

void Encoder::paintBand(Label *band, Label *name, colourcode::Colour colour, const char *text)
{
    band->setBackColour(colour);
    name->setCaption(QLatin1String(text));
}

void Encoder::paintDigit(ui::DropDownList *list, Label *band, Label *name, const char *zeroName)
{
    const QString text = list->text();
    for (const BandColour &c : colourcode::table()) {
        if (c.digit && text == QLatin1String(c.digitText())) {
            paintBand(band, name, *c.digitPaint, *c.digit == 0 ? zeroName : c.captionName);
            return;
        }
    }
}

void Encoder::paintTolerance(ui::DropDownList *list, Label *band, Label *name)
{
    if (const BandColour *c = colourcode::findByToleranceText(list->text()))
        paintBand(band, name, *c->paint(colourcode::Role::Tolerance, m_body), c->captionName);
}

void Encoder::paintUnit(ui::DropDownList *list, std::span<const UnitRow> rows, Label *band,
                        Label *name)
{
    const QString text = list->text();
    for (const UnitRow &row : rows) {
        if (text == QLatin1String(row.item))
            paintBand(band, name, row.colour, row.name);
    }
}

const PointRow *Encoder::pointRow(ui::DropDownList *list, std::span<const PointRow> rows) const
{
    const QString text = list->text();
    for (const PointRow &row : rows) {
        if (text == QLatin1String(row.item))
            return &row;
    }
    return nullptr;
}

RangeTexts Encoder::readRange() const
{
    RangeTexts t;
    t.digits = m_Label18->caption();
    t.fraction = m_Label19->caption();
    t.scaled = m_Label28->caption();
    t.minimum = m_minvalue->caption();
    t.minimumUnit = m_multimin->caption();
    t.maximum = m_maxvalue->caption();
    t.maximumUnit = m_multimax->caption();
    t.toleranceText = m_Label21->caption();
    return t;
}

void Encoder::writeRange(const RangeTexts &t)
{
    m_Label18->setCaption(t.digits);
    m_Label19->setCaption(t.fraction);
    m_Label28->setCaption(t.scaled);
    m_minvalue->setCaption(t.minimum);
    m_multimin->setCaption(t.minimumUnit);
    m_maxvalue->setCaption(t.maximum);
    m_multimax->setCaption(t.maximumUnit);
    m_Label21->setCaption(t.toleranceText);
}

void Encoder::back()
{
    ui::navigation::backToMenu(id());
}

} // namespace encoders
