#include "decoders/decoder.h"

#include <algorithm>

namespace decoders {

using colourcode::BandColour;
using colourcode::Role;
using ui::Label;

Decoder::Decoder(ui::ScreenId id, const ui::WindowDef &window,
                 std::span<const ui::ControlDef> controls, int digitCount, colourcode::Colour body)
    : Screen(id, window, controls)
    , m_range(*this, "Label27", "Label28")
    , m_digitCount(digitCount)
    , m_body(body)
{
    m_firstDigitText = control<Label>("Label5");
    m_secondDigitText = control<Label>("Label11");
    if (digitCount == 3)
        m_thirdDigitText = control<Label>("Label33");
    m_pointBeforeLastTwoDigits = control<Label>("Label21");
    m_pointBeforeLastDigit = control<Label>("Label20");
    m_trailingZero = control<Label>("Label12");
    m_magnitudeWord = control<Label>("Label8");
    m_ohmsWord = control<Label>("Label7");
    m_percentText = control<Label>("Label9");
    m_percentSign = control<Label>("Label10");
    m_multiplierBandPaint = control<Label>("Label15");
    m_toleranceBandPaint = control<Label>("Label14");
    m_valueText = control<Label>("Label26");
    m_toleranceValue = control<Label>("Label29");

    m_numberParts = {m_pointBeforeLastTwoDigits, m_firstDigitText, m_pointBeforeLastDigit,
                     m_secondDigitText, m_trailingZero};
    if (m_thirdDigitText)
        m_numberParts.push_back(m_thirdDigitText);
    std::sort(m_numberParts.begin(), m_numberParts.end(),
              [](Label *a, Label *b) { return a->x() < b->x(); });
}

void Decoder::paintDigit(ui::DropDownList *list, Label *digitText, Label *bandPaint, Zero zero)
{
    const BandColour *colour = colourcode::findByListName(list->text());
    if (!colour || !colour->digit || (*colour->digit == 0 && zero == Zero::Refused))
        return;
    digitText->setCaption(QLatin1String(colour->digitText()));
    bandPaint->setBackColour(*colour->paint(Role::Digit, m_body));
    m_displayChanged = true;
}

void Decoder::paintMultiplier(ui::DropDownList *list, std::span<const MultiplierRow> rows)
{
    const QString text = list->text();
    for (const MultiplierRow &row : rows) {
        if (text != QLatin1String(row.item))
            continue;
        const BandColour *colour = colourcode::findByListName(text);
        m_ohmsWord->setVisible(true);
        m_trailingZero->setCaption(QLatin1String(row.trailingZero));
        m_magnitudeWord->setCaption(QLatin1String(row.word));
        m_pointBeforeLastDigit->setVisible(row.pointBeforeLastDigit);
        m_pointBeforeLastTwoDigits->setVisible(row.pointBeforeLastTwoDigits);
        m_multiplierBandPaint->setBackColour(*colour->paint(Role::Multiplier, m_body));
        m_displayChanged = true;
    }
}

void Decoder::paintTolerance(ui::DropDownList *list)
{
    const BandColour *colour = colourcode::findByListName(list->text());
    if (!colour || !colour->tolerance)
        return;
    m_percentSign->setVisible(true);
    m_percentText->setCaption(QLatin1String(colour->tolerance->percent));
    m_toleranceBandPaint->setBackColour(*colour->paint(Role::Tolerance, m_body));
    m_displayChanged = true;
}

void Decoder::computeRange(ui::DropDownList *multiplier, ui::DropDownList *tolerance)
{
    colourcode::DecoderTexts &t = m_texts;
    t.d3 = m_thirdDigitText ? m_thirdDigitText->caption() : QString();
    t.multiplier = multiplier->text();
    t.tolerance = tolerance->text();
    const ui::LabelText inputs[] = {{m_firstDigitText, &t.d1},
                                    {m_secondDigitText, &t.d2},
                                    {m_magnitudeWord, &t.magnitude},
                                    {m_percentText, &t.percent}};
    const ui::LabelText kept[] = {{m_valueText, &t.value}, {m_toleranceValue, &t.toleranceValue}};
    const auto range = m_range.of(t.range);
    ui::readLabels(inputs);
    ui::readLabels(kept);
    ui::readLabels(range);

    const colourcode::RangeTexts before = t.range;
    colourcode::decoderTick(t, m_digitCount);
    ui::writeLabels(kept);
    ui::writeLabels(range);

    if (m_displayChanged || t.range.minimum != before.minimum || t.range.maximum != before.maximum
        || t.range.minimumUnit != before.minimumUnit) {
        m_displayChanged = false;
        offerResult(resultText());
    }
}

QString Decoder::resultText() const
{
    QString number;
    for (Label *part : m_numberParts) {
        if (!part->isHidden())
            number += part->caption();
    }
    QStringList words{number, m_magnitudeWord->caption()};
    if (!m_ohmsWord->isHidden())
        words << m_ohmsWord->caption();
    words.removeAll(QString());
    const QString tolerance = m_percentSign->isHidden()
            ? QString()
            : m_percentText->caption() + u' ' + m_percentSign->caption();
    QStringList parts{words.join(u' '), tolerance, m_range.spoken()};
    parts.removeAll(QString());
    return parts.join(QLatin1String(", "));
}

void Decoder::back()
{
    backToMenu();
}

} // namespace decoders
