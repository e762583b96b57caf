#pragma once

#include "colourcode/bandcolour.h"
#include "encoders/encoderrange.h"
#include "ui/rangelabels.h"
#include "ui/screen.h"

#include <array>
#include <span>

namespace encoders {

// A unit list item and the multiplier band it paints.
struct UnitRow
{
    const char *item;
    colourcode::Colour colour;
    const char *name;
};

// What choosing an item of a point chooser does: lock the other lists or release them, and
// how to paint the multiplier band.
struct PointRow
{
    const char *item;
    bool lock;
    colourcode::Colour colour;
    const char *name;
};

// The parts the two encoder screens share: the value line, the range boxes and the painting of
// a band with its colour name. The design names the same roles alike on both screens.
class Encoder : public ui::Screen
{
    Q_OBJECT
public:
    Encoder(ui::ScreenId id, const ui::WindowDef &window, std::span<const ui::ControlDef> controls,
            colourcode::Colour body);

protected:
    // zeroName: how this band names a black digit.
    void paintDigit(ui::DropDownList *list, ui::Label *bandPaint, ui::Label *bandName,
                    const char *zeroName = "Black");
    void paintTolerance(ui::DropDownList *list, ui::Label *bandPaint, ui::Label *bandName);
    void paintUnit(ui::DropDownList *list, std::span<const UnitRow> rows, ui::Label *bandPaint,
                   ui::Label *bandName);
    const PointRow *pointRow(ui::DropDownList *list, std::span<const PointRow> rows) const;
    void paintBand(ui::Label *bandPaint, ui::Label *bandName, colourcode::Colour colour,
                   const char *name);

    // One tick of the range computation on the texts its labels hold between ticks.
    template<class Tick>
    void computeRange(Tick tick)
    {
        EncoderTexts t;
        const ui::LabelText kept[]
                = {{m_digitsText, &t.digits}, {m_toleranceText, &t.toleranceText}};
        const auto range = m_range.of(t.range);
        ui::readLabels(kept);
        ui::readLabels(range);
        tick(t);
        ui::writeLabels(kept);
        ui::writeLabels(range);
    }
    void back();
    // The value line, the colour names under the bands and the range as the screen shows them:
    // "47 Kohms 5%: Yellow, Purple, Orange, Gold; minimum 44.65 Kohm, maximum 49.35 Kohm".
    QString resultText() const;

    colourcode::Colour m_body = colourcode::kFourBandBody;
    ui::Label *m_valueLine = nullptr;
    // The range computation's working texts, hidden, and its results.
    ui::Label *m_digitsText = nullptr;
    ui::RangeLabels m_range;
    ui::Label *m_toleranceText = nullptr;
    // The colour names under the bands, in band order.
    std::vector<ui::Label *> m_bandNames;
};

} // namespace encoders
