// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "encoders/fourbandencoder.h"

#include "core/bandcolour.h"

namespace encoders {
namespace {

using namespace ui;
namespace cc = core;

constexpr Colour kBody = cc::kFourBandBody;

// " " is no point, letter or unit; a unit follows the digits in the value line, so it
// begins with a blank or its one more zero.
const char *const kLeadingPoint[] = {" ", "."};
const char *const kPointOrLetter[] = {" ", ".", "k", "M"};
const char *const kUnits[] = {" ohm", "0 ohm", " Kohm", "0 Kohm", " Mohm"};

// clang-format off
const WindowDef kWindow{.caption = "Value to Colours", .width = 6840, .height = 4035, .border = Border::FixedSingle, .taskbarButton = true, .placement = Placement::CentreScreen};
// clang-format on

// The lines lie on top of the drawing, in which the body pieces cover the bands' edges. Each
// colour name lies on top of the one to its left, whose end it overlaps.
// clang-format off
const ControlDef kControls[] = {
        {.name = "Command2", .kind = Kind::CommandButton, .left = 1200, .top = 120, .width = 2655, .height = 315, .caption = "back to main window", .tabIndex = 8},
        {.name = "Combo2", .kind = Kind::DropDownList, .left = 240, .top = 1080, .width = 510, .height = 315, .tabIndex = 0, .items = kLeadingPoint, .accessibleName = "decimal point in front"},
        {.name = "number1", .kind = Kind::DropDownList, .left = 720, .top = 1080, .width = 495, .height = 315, .tabIndex = 1, .items = cc::firstDigitTexts(), .accessibleName = "1st digit"},
        {.name = "combo1", .kind = Kind::DropDownList, .left = 1200, .top = 1080, .width = 495, .height = 315, .tabIndex = 2, .items = kPointOrLetter, .accessibleName = "decimal point or letter"},
        {.name = "number2", .kind = Kind::DropDownList, .left = 1680, .top = 1080, .width = 495, .height = 315, .tabIndex = 3, .items = cc::digitTexts(), .accessibleName = "2nd digit"},
        {.name = "number3", .kind = Kind::DropDownList, .left = 2280, .top = 1080, .width = 975, .height = 315, .tabIndex = 4, .items = kUnits, .accessibleName = "unit"},
        {.name = "tolerance", .kind = Kind::DropDownList, .left = 3240, .top = 1080, .width = 735, .height = 315, .tabIndex = 5, .items = cc::toleranceTexts(), .accessibleName = "tolerance"},
        {.name = "Timer1", .kind = Kind::Timer, .interval = 100},
        {.name = "Timer2", .kind = Kind::Timer, .interval = 100},
        {.name = "Timer3", .kind = Kind::Timer, .interval = 1},

        {.name = "Line4", .kind = Kind::Line, .left = 1680, .top = 2760, .width = 1560, .height = 3000},
        {.name = "Line3", .kind = Kind::Line, .left = 2280, .top = 2760, .width = 2280, .height = 3000},
        {.name = "Line2", .kind = Kind::Line, .left = 2760, .top = 2760, .width = 2880, .height = 3000},
        {.name = "Line1", .kind = Kind::Line, .left = 3720, .top = 3000, .width = 3600, .height = 2760},
        {.name = "Label10", .kind = Kind::Label, .left = 1440, .top = 1440, .width = 2295, .height = 135, .backColour = cc::kWhite},
        {.name = "Label9", .kind = Kind::Label, .left = 1440, .top = 2760, .width = 2295, .height = 135, .backColour = cc::kWhite},
        {.name = "Label8", .kind = Kind::Label, .left = 1440, .top = 1560, .width = 255, .height = 1215, .backColour = kBody},
        {.name = "Label7", .kind = Kind::Label, .left = 2040, .top = 1560, .width = 135, .height = 1215, .backColour = kBody},
        {.name = "Label6", .kind = Kind::Label, .left = 2520, .top = 1560, .width = 135, .height = 1215, .backColour = kBody},
        {.name = "Label5", .kind = Kind::Label, .left = 3000, .top = 1560, .width = 375, .height = 1215, .backColour = kBody},
        {.name = "Image2", .kind = Kind::Image, .left = 3720, .top = 1440, .width = 960, .height = 1470, .caption = ":/art/end4-right.png", .accessibleName = "right end of the resistor with its lead"},
        {.name = "Label4", .kind = Kind::Label, .left = 3360, .top = 1560, .width = 375, .height = 1215, .backColour = kBody},
        {.name = "Label3", .kind = Kind::Label, .left = 2640, .top = 1560, .width = 375, .height = 1215, .backColour = kBody},
        {.name = "Label2", .kind = Kind::Label, .left = 2160, .top = 1560, .width = 375, .height = 1215, .backColour = kBody},
        {.name = "Label1", .kind = Kind::Label, .left = 1680, .top = 1560, .width = 375, .height = 1215, .backColour = kBody},
        {.name = "Image1", .kind = Kind::Image, .left = 480, .top = 1440, .width = 990, .height = 1470, .caption = ":/art/end4-left.png", .accessibleName = "left end of the resistor with its lead"},

        {.name = "Label14", .kind = Kind::Label, .left = 3720, .top = 3000, .width = 735, .height = 255, .flags = Flag::Border},
        {.name = "Label13", .kind = Kind::Label, .left = 2760, .top = 3000, .width = 975, .height = 255, .flags = Flag::Border},
        {.name = "Label12", .kind = Kind::Label, .left = 2040, .top = 3000, .width = 975, .height = 255, .flags = Flag::Border},
        {.name = "Label11", .kind = Kind::Label, .left = 1200, .top = 3000, .width = 855, .height = 255, .flags = Flag::Border},

        {.name = "Label15", .kind = Kind::Label, .left = 840, .top = 840, .width = 2535, .height = 255, .font = Font::Bold, .flags = Flag::Border},
        {.name = "Label20", .kind = Kind::Label, .left = 4920, .top = 960, .width = 1575, .height = 255, .caption = "Tolerance value", .labelFor = "Label21"},
        {.name = "Label21", .kind = Kind::Label, .left = 5040, .top = 1320, .width = 735, .height = 255, .flags = Flag::Border},
        {.name = "Label17", .kind = Kind::Label, .left = 5040, .top = 1550, .width = 1215, .height = 255, .caption = "Minimum value", .labelFor = "minvalue"},
        {.name = "minvalue", .kind = Kind::Label, .left = 5040, .top = 1800, .width = 1095, .height = 255, .flags = Flag::Border | Flag::FitCaption},
        {.name = "multimin", .kind = Kind::Label, .left = 6120, .top = 1800, .width = 495, .height = 255, .flags = Flag::Border},
        {.name = "Label16", .kind = Kind::Label, .left = 5040, .top = 2160, .width = 1215, .height = 255, .caption = "Maximum value", .labelFor = "maxvalue"},
        {.name = "maxvalue", .kind = Kind::Label, .left = 5040, .top = 2400, .width = 1095, .height = 255, .flags = Flag::Border | Flag::FitCaption},
        {.name = "multimax", .kind = Kind::Label, .left = 6120, .top = 2400, .width = 495, .height = 255, .flags = Flag::Border},
};

// Lower case "blue" and "silver", and green (0,255,0) not the table's (0,255,1): what users see.
const UnitRow kUnitBands[] = {
        {" ohm", {"black"}},
        {"0 ohm", {"brown"}},
        {" Kohm", {"orange"}},
        {"0 Kohm", {"yellow"}},
        {" Mohm", {.colour = "blue", .name = "blue"}},
};
const PointRow kInFront[] = {
        {".", true, {.colour = "silver", .name = "silver"}},
        {" ", false},
};
const PointRow kBetweenDigits[] = {
        {".", true, {"gold"}},
        {" ", false},
        {"k", true, {"red"}},
        {"M", true, {.colour = "green", .paint = cc::rgb(0, 255, 0)}},
};
// clang-format on

} // namespace

FourBandEncoder::FourBandEncoder()
    : Encoder(kWindow, kControls, kBody, kUnitBands)
{
    m_pointInFront = control<DropDownList>("Combo2");
    m_firstDigit = control<DropDownList>("number1");
    m_pointOrLetter = control<DropDownList>("combo1");
    m_secondDigit = control<DropDownList>("number2");
    m_unit = control<DropDownList>("number3");
    m_tolerance = control<DropDownList>("tolerance");
    bindValueRow({
            .digits = {{m_firstDigit, {control<Label>("Label1"), control<Label>("Label11")}},
                       {m_secondDigit, {control<Label>("Label2"), control<Label>("Label12")}}},
            .points = {{{m_pointInFront, kInFront}, {m_pointOrLetter, kBetweenDigits}}},
            .unit = m_unit,
            .tolerance = m_tolerance,
            .multiplierBand = {control<Label>("Label3"), control<Label>("Label13")},
            .toleranceBand = {control<Label>("Label4"), control<Label>("Label14")},
    });
}

QString FourBandEncoder::valueText() const
{
    return core::fourBandValueText(choice());
}

void FourBandEncoder::rangeTick(core::EncoderTexts &texts) const
{
    core::fourBandRangeTick(choice(), texts);
}

core::FourBandChoice FourBandEncoder::choice() const
{
    return {.pointInFront = m_pointInFront->text(),
            .firstDigit = m_firstDigit->text(),
            .pointOrLetter = m_pointOrLetter->text(),
            .secondDigit = m_secondDigit->text(),
            .unit = m_unit->text(),
            .tolerance = m_tolerance->text()};
}

} // namespace encoders
