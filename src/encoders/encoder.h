#pragma once

#include "colourcode/bandcolour.h"
#include "encoders/encoderrange.h"
#include "ui/screen.h"

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

// The parts the two encoder screens share: same roles under the same names.
class Encoder : public ui::Screen
{
    Q_OBJECT
public:
    Encoder(ui::ScreenId id, const ui::WindowDef &window, std::span<const ui::ControlDef> controls,
            colourcode::Colour body);

protected:
    // zeroName: how this band names a black digit.
    void paintDigit(ui::DropDownList *list, ui::Label *band, ui::Label *name,
                    const char *zeroName = "Black");
    void paintTolerance(ui::DropDownList *list, ui::Label *band, ui::Label *name);
    void paintUnit(ui::DropDownList *list, std::span<const UnitRow> rows, ui::Label *band,
                   ui::Label *name);
    const PointRow *pointRow(ui::DropDownList *list, std::span<const PointRow> rows) const;
    void paintBand(ui::Label *band, ui::Label *name, colourcode::Colour colour, const char *text);

    // The range computation's labels, read before and written after each tick.
    RangeTexts readRange() const;
    void writeRange(const RangeTexts &t);
    void back();

    colourcode::Colour m_body = colourcode::kFourBandBody;
    ui::Label *m_Label15 = nullptr;
    ui::Label *m_Label18 = nullptr;
    ui::Label *m_Label19 = nullptr;
    ui::Label *m_Label21 = nullptr;
    ui::Label *m_Label28 = nullptr;
    ui::Label *m_minvalue = nullptr;
    ui::Label *m_maxvalue = nullptr;
    ui::Label *m_multimin = nullptr;
    ui::Label *m_multimax = nullptr;
};

} // namespace encoders
