#include "decoders/decoder.h"

#include "ui/navigation.h"

namespace decoders {

using colourcode::BandColour;
using colourcode::Role;
using ui::Label;

Decoder::Decoder(ui::ScreenId id, const ui::WindowDef &window,
                 std::span<const ui::ControlDef> controls, int digitCount, colourcode::Colour body)
    : Screen(id, window, controls)
    , m_digitCount(digitCount)
    , m_body(body)
{
    m_Label5 = control<Label>("Label5");
    m_Label11 = control<Label>("Label11");
    m_Label33 = control<Label>("Label33");
    m_Label7 = control<Label>("Label7");
    m_Label8 = control<Label>("Label8");
    m_Label9 = control<Label>("Label9");
    m_Label10 = control<Label>("Label10");
    m_Label12 = control<Label>("Label12");
    m_Label14 = control<Label>("Label14");
    m_Label15 = control<Label>("Label15");
    m_Label20 = control<Label>("Label20");
    m_Label21 = control<Label>("Label21");
    m_Label26 = control<Label>("Label26");
    m_Label27 = control<Label>("Label27");
    m_Label28 = control<Label>("Label28");
    m_Label29 = control<Label>("Label29");
    m_minvalue = control<Label>("minvalue");
    m_maxvalue = control<Label>("maxvalue");
    m_multimin = control<Label>("multimin");
    m_multimax = control<Label>("multimax");
}

void Decoder::paintDigit(ui::DropDownList *list, Label *digit, Label *band, bool allowZero)
{
    const BandColour *colour = colourcode::findByListName(list->text());
    if (!colour || !colour->digit || (*colour->digit == 0 && !allowZero))
        return;
    digit->setCaption(QLatin1String(colour->digitText()));
    band->setBackColour(*colour->paint(Role::Digit, m_body));
}

void Decoder::paintMultiplier(ui::DropDownList *list, std::span<const MultiplierRow> rows)
{
    const QString text = list->text();
    for (const MultiplierRow &row : rows) {
        if (text != QLatin1String(row.item))
            continue;
        const BandColour *colour = colourcode::findByListName(text);
        m_Label7->setVisible(true);
        m_Label12->setCaption(QLatin1String(row.trailingZero));
        m_Label8->setCaption(QLatin1String(row.word));
        m_Label20->setVisible(row.label20);
        m_Label21->setVisible(row.label21);
        m_Label15->setBackColour(*colour->paint(Role::Multiplier, m_body));
    }
}

void Decoder::paintTolerance(ui::DropDownList *list)
{
    const BandColour *colour = colourcode::findByListName(list->text());
    if (!colour || !colour->tolerance)
        return;
    m_Label10->setVisible(true);
    m_Label9->setCaption(QLatin1String(colour->tolerance->percent));
    m_Label14->setBackColour(*colour->paint(Role::Tolerance, m_body));
}

void Decoder::computeRange(ui::DropDownList *multiplier, ui::DropDownList *tolerance)
{
    colourcode::DecoderTexts &t = m_texts;
    t.d1 = m_Label5->caption();
    t.d2 = m_Label11->caption();
    t.d3 = m_Label33 ? m_Label33->caption() : QString();
    t.multiplier = multiplier->text();
    t.tolerance = tolerance->text();
    t.magnitude = m_Label8->caption();
    t.percent = m_Label9->caption();
    t.value = m_Label26->caption();
    t.fraction = m_Label27->caption();
    t.scaled = m_Label28->caption();
    t.minimum = m_minvalue->caption();
    t.maximum = m_maxvalue->caption();
    t.minimumUnit = m_multimin->caption();
    t.maximumUnit = m_multimax->caption();
    t.toleranceValue = m_Label29->caption();

    colourcode::decoderTick(t, m_digitCount);

    m_Label26->setCaption(t.value);
    m_Label27->setCaption(t.fraction);
    m_Label28->setCaption(t.scaled);
    m_minvalue->setCaption(t.minimum);
    m_multimin->setCaption(t.minimumUnit);
    m_maxvalue->setCaption(t.maximum);
    m_multimax->setCaption(t.maximumUnit);
    m_Label29->setCaption(t.toleranceValue);
}

void Decoder::back()
{
    ui::navigation::backToMenu(id());
}

} // namespace decoders
