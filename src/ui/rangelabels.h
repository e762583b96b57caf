#pragma once

#include "colourcode/range.h"
#include "ui/controls.h"

#include <array>

namespace ui {

class Screen;

// The labels a computing screen keeps its range in between ticks: the two working texts,
// hidden, and the minimum and maximum with their units, shown.
struct RangeLabels
{
    // The working labels' names differ by screen; the range boxes' do not.
    RangeLabels(const Screen &screen, const char *fraction, const char *scaled);

    // Each label with the text of the range it holds, to read before a tick and write after it.
    std::array<LabelText, 6> of(colourcode::RangeTexts &t) const;
    // "minimum 44.65 Kohm, maximum 49.35 Kohm"
    QString spoken() const;

    Label *fraction = nullptr;
    Label *scaled = nullptr;
    Label *minimum = nullptr;
    Label *minimumUnit = nullptr;
    Label *maximum = nullptr;
    Label *maximumUnit = nullptr;
};

} // namespace ui
