#pragma once

#include "colourcode/bandcolour.h"
#include "colourcode/decodedvalue.h"
#include "ui/rangelabels.h"
#include "ui/screen.h"

#include <span>

namespace decoders {

// What a multiplier choice shows in the large display.
struct MultiplierRow
{
    const char *item;
    const char *trailingZero = "";
    const char *word = ""; // the magnitude word: "", "kilo" or "mega"
    bool pointBeforeLastDigit = false;
    bool pointBeforeLastTwoDigits = false;
};

// Whether a black band shows the digit 0: not as the first digit.
enum class Zero { Refused, Allowed };

// The parts the two decoder screens share: the large display, the range boxes and the
// computation on every tick of Timer1. The design names the same roles alike on both screens.
class Decoder : public ui::Screen
{
    Q_OBJECT
public:
    Decoder(ui::ScreenId id, const ui::WindowDef &window, std::span<const ui::ControlDef> controls,
            int digitCount, colourcode::Colour body);

protected:
    void paintDigit(ui::DropDownList *list, ui::Label *digitText, ui::Label *bandPaint, Zero zero);
    void paintMultiplier(ui::DropDownList *list, std::span<const MultiplierRow> rows);
    void paintTolerance(ui::DropDownList *list);
    void computeRange(ui::DropDownList *multiplier, ui::DropDownList *tolerance);
    void back();
    // The value, tolerance and range as the screen shows them, in one line:
    // "4.7 kilo ohms, 5 %, minimum 4.465 Kohm, maximum 4.935 Kohm".
    QString resultText() const;

    // The large display, left to right.
    ui::Label *m_firstDigitText = nullptr;
    ui::Label *m_secondDigitText = nullptr;
    ui::Label *m_thirdDigitText = nullptr; // five bands only
    ui::Label *m_pointBeforeLastTwoDigits = nullptr;
    ui::Label *m_pointBeforeLastDigit = nullptr;
    ui::Label *m_trailingZero = nullptr;
    ui::Label *m_magnitudeWord = nullptr;
    ui::Label *m_ohmsWord = nullptr;
    ui::Label *m_percentText = nullptr;
    ui::Label *m_percentSign = nullptr;

    ui::Label *m_multiplierBandPaint = nullptr;
    ui::Label *m_toleranceBandPaint = nullptr;

    // The computation's working texts, hidden, and its results.
    ui::Label *m_valueText = nullptr;
    ui::RangeLabels m_range;
    ui::Label *m_toleranceValue = nullptr;

private:
    std::vector<ui::Label *> m_numberParts; // digits, points and the trailing zero, left to right
    bool m_displayChanged = false;
    int m_digitCount = 2;
    colourcode::Colour m_body = colourcode::kFourBandBody;
    colourcode::DecoderTexts m_texts;
};

} // namespace decoders
