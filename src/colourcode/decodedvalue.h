#pragma once

#include "colourcode/range.h"

#include <QString>

namespace colourcode {

// The texts one decoder tick reads and writes; a screen fills them from its controls.
struct DecoderTexts
{
    // inputs
    QString d1, d2, d3; // digit texts, "" or "0".."9"
    QString multiplier; // list text of the multiplier band
    QString tolerance; // list text of the tolerance band
    QString magnitude; // "", "kilo" or "mega"
    QString percent; // "", "1", "2", "5", "10", "20"
    // the value in ohms, kept between ticks, and the range with its working texts
    QString value;
    RangeTexts range;
    // output
    QString toleranceValue;
};

// One tick of the value-and-range computation for two or three digits. A step whose
// conversion or arithmetic fails is skipped and its target keeps its previous text.
void decoderTick(DecoderTexts &t, int digitCount);

} // namespace colourcode
