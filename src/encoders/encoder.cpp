#include "encoders/encoder.h"

namespace encoders {

using colourcode::BandColour;
using ui::Label;

Encoder::Encoder(ui::ScreenId id, const ui::WindowDef &window,
                 std::span<const ui::ControlDef> controls, colourcode::Colour body)
    : Screen(id, window, controls)
    , m_body(body)
    , m_range(*this, "Label19", "Label28")
{
    m_valueLine = control<Label>("Label15");
    m_digitsText = control<Label>("Label18");
    m_toleranceText = control<Label>("Label21");
}

void Encoder::paintBand(Label *bandPaint, Label *bandName, colourcode::Colour colour,
                        const char *name)
{
    bandPaint->setBackColour(colour);
    bandName->setCaption(QLatin1String(name));
}

void Encoder::paintDigit(ui::DropDownList *list, Label *bandPaint, Label *bandName,
                         const char *zeroName)
{
    const QString text = list->text();
    for (const BandColour &c : colourcode::table()) {
        if (c.digit && text == QLatin1String(c.digitText())) {
            paintBand(bandPaint, bandName, *c.digitPaint, *c.digit == 0 ? zeroName : c.captionName);
            return;
        }
    }
}

void Encoder::paintTolerance(ui::DropDownList *list, Label *bandPaint, Label *bandName)
{
    if (const BandColour *c = colourcode::findByToleranceText(list->text()))
        paintBand(bandPaint, bandName, *c->paint(colourcode::Role::Tolerance, m_body),
                  c->captionName);
}

void Encoder::paintUnit(ui::DropDownList *list, std::span<const UnitRow> rows, Label *bandPaint,
                        Label *bandName)
{
    const QString text = list->text();
    const QString named = bandName->caption();
    for (const UnitRow &row : rows) {
        if (text == QLatin1String(row.item))
            paintBand(bandPaint, bandName, row.colour, row.name);
    }
    // The result names the bands; this tick is the only one that repaints band 3 from the unit.
    if (bandName->caption() != named)
        offerResult(resultText());
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

QString Encoder::resultText() const
{
    QStringList bands;
    for (const Label *name : m_bandNames) {
        if (!name->caption().isEmpty())
            bands << name->caption();
    }
    QStringList value{m_valueLine->caption().trimmed(), bands.join(QLatin1String(", "))};
    value.removeAll(QString());
    QStringList parts{value.join(QLatin1String(": ")), m_range.spoken()};
    parts.removeAll(QString());
    return parts.join(QLatin1String("; "));
}

void Encoder::back()
{
    backToMenu();
}

} // namespace encoders
