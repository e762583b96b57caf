#pragma once

#include "colourcode/bandcolour.h"
#include "colourcode/decodedvalue.h"
#include "ui/screen.h"

#include <span>

namespace decoders {

// What a multiplier choice shows in the large display.
struct MultiplierRow
{
    const char *item;
    const char *trailingZero; // Label12
    const char *word; // Label8: the magnitude word
    bool label20; // the point shown by Label20
    bool label21; // the point shown by Label21
};

// The parts the two decoder screens share: the same names for the same roles, and the same
// computation on every tick of Timer1.
class Decoder : public ui::Screen
{
    Q_OBJECT
public:
    Decoder(ui::ScreenId id, const ui::WindowDef &window, std::span<const ui::ControlDef> controls,
            int digitCount, colourcode::Colour body);

protected:
    void paintDigit(ui::DropDownList *list, ui::Label *digit, ui::Label *band, bool allowZero);
    void paintMultiplier(ui::DropDownList *list, std::span<const MultiplierRow> rows);
    void paintTolerance(ui::DropDownList *list);
    void computeRange(ui::DropDownList *multiplier, ui::DropDownList *tolerance);
    void back();

    ui::Label *m_Label5 = nullptr;
    ui::Label *m_Label11 = nullptr;
    ui::Label *m_Label33 = nullptr; // the third digit, five bands only
    ui::Label *m_Label7 = nullptr;
    ui::Label *m_Label8 = nullptr;
    ui::Label *m_Label9 = nullptr;
    ui::Label *m_Label10 = nullptr;
    ui::Label *m_Label12 = nullptr;
    ui::Label *m_Label14 = nullptr;
    ui::Label *m_Label15 = nullptr;
    ui::Label *m_Label20 = nullptr;
    ui::Label *m_Label21 = nullptr;
    ui::Label *m_Label26 = nullptr;
    ui::Label *m_Label27 = nullptr;
    ui::Label *m_Label28 = nullptr;
    ui::Label *m_Label29 = nullptr;
    ui::Label *m_minvalue = nullptr;
    ui::Label *m_maxvalue = nullptr;
    ui::Label *m_multimin = nullptr;
    ui::Label *m_multimax = nullptr;

private:
    int m_digitCount = 2;
    colourcode::Colour m_body = colourcode::kFourBandBody;
    colourcode::DecoderTexts m_texts;
};

} // namespace decoders
