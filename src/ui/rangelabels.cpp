#include "ui/rangelabels.h"

#include "ui/screen.h"
#include "ui/spokenresult.h"

namespace ui {

RangeLabels::RangeLabels(const Screen &screen, const char *fractionName, const char *scaledName)
    : fraction(screen.control<Label>(fractionName))
    , scaled(screen.control<Label>(scaledName))
    , minimum(screen.control<Label>("minvalue"))
    , minimumUnit(screen.control<Label>("multimin"))
    , maximum(screen.control<Label>("maxvalue"))
    , maximumUnit(screen.control<Label>("multimax"))
{}

std::array<LabelText, 6> RangeLabels::of(colourcode::RangeTexts &t) const
{
    return {{{fraction, &t.fraction},
             {scaled, &t.scaled},
             {minimum, &t.minimum},
             {minimumUnit, &t.minimumUnit},
             {maximum, &t.maximum},
             {maximumUnit, &t.maximumUnit}}};
}

QString RangeLabels::spoken() const
{
    return spokenRange(minimum, minimumUnit, maximum, maximumUnit);
}

} // namespace ui
