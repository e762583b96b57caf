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
// Lower case "blue" and "silver", and green (0,255,0) not the table's (0,255,1): what users see.
// clang-format off
constexpr UnitRow kUnits[] = {
        {" ohm", {cc::Band::Black}},
        {"0 ohm", {cc::Band::Brown}},
        {" Kohm", {cc::Band::Orange}},
        {"0 Kohm", {cc::Band::Yellow}},
        {" Mohm", {.colour = cc::Band::Blue, .name = "blue"}},
};
constexpr PointRow kInFront[] = {
        {" ", false},
        {".", true, {.colour = cc::Band::Silver, .name = "silver"}},
};
constexpr PointRow kBetweenDigits[] = {
        {" ", false},
        {".", true, {cc::Band::Gold}},
        {"k", true, {cc::Band::Red}},
        {"M", true, {.colour = cc::Band::Green, .paint = cc::rgb(0, 255, 0)}},
};
// clang-format on
constexpr auto kUnitItems = itemsOf(kUnits);
constexpr auto kInFrontItems = itemsOf(kInFront);
constexpr auto kBetweenDigitsItems = itemsOf(kBetweenDigits);

// clang-format off
const WindowDef kWindow{.caption = "Value to Colours", .width = 6840, .height = 4035, .border = Border::FixedSingle, .taskbarButton = true, .placement = Placement::CentreScreen};
// clang-format on

// The lines lie on top of the drawing, in which the body pieces cover the bands' edges. Each
// colour name lies on top of the one to its left, whose end it overlaps.
// clang-format off
const ControlDef kControls[] = {
        {.name = "Command2", .kind = Kind::CommandButton, .left = 1200, .top = 120, .width = 2655, .height = 315, .caption = "back to main window", .tabIndex = 8, .role = Role::Back},
        {.name = "Combo2", .kind = Kind::DropDownList, .left = 240, .top = 1080, .width = 510, .height = 315, .tabIndex = 0, .items = kInFrontItems, .accessibleName = "decimal point in front", .role = Role::FirstPoint},
        {.name = "number1", .kind = Kind::DropDownList, .left = 720, .top = 1080, .width = 495, .height = 315, .tabIndex = 1, .items = cc::firstDigitTexts(), .accessibleName = "1st digit", .role = Role::FirstDigit},
        {.name = "combo1", .kind = Kind::DropDownList, .left = 1200, .top = 1080, .width = 495, .height = 315, .tabIndex = 2, .items = kBetweenDigitsItems, .accessibleName = "decimal point or letter", .role = Role::SecondPoint},
        {.name = "number2", .kind = Kind::DropDownList, .left = 1680, .top = 1080, .width = 495, .height = 315, .tabIndex = 3, .items = cc::digitTexts(), .accessibleName = "2nd digit", .role = Role::SecondDigit},
        {.name = "number3", .kind = Kind::DropDownList, .left = 2280, .top = 1080, .width = 975, .height = 315, .tabIndex = 4, .items = kUnitItems, .accessibleName = "unit", .role = Role::Unit},
        {.name = "tolerance", .kind = Kind::DropDownList, .left = 3240, .top = 1080, .width = 735, .height = 315, .tabIndex = 5, .items = cc::toleranceTexts(), .accessibleName = "tolerance", .role = Role::Tolerance},

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
        {.name = "Label4", .kind = Kind::Label, .left = 3360, .top = 1560, .width = 375, .height = 1215, .backColour = kBody, .role = Role::ToleranceBand},
        {.name = "Label3", .kind = Kind::Label, .left = 2640, .top = 1560, .width = 375, .height = 1215, .backColour = kBody, .role = Role::MultiplierBand},
        {.name = "Label2", .kind = Kind::Label, .left = 2160, .top = 1560, .width = 375, .height = 1215, .backColour = kBody, .role = Role::SecondBand},
        {.name = "Label1", .kind = Kind::Label, .left = 1680, .top = 1560, .width = 375, .height = 1215, .backColour = kBody, .role = Role::FirstBand},
        {.name = "Image1", .kind = Kind::Image, .left = 480, .top = 1440, .width = 990, .height = 1470, .caption = ":/art/end4-left.png", .accessibleName = "left end of the resistor with its lead"},

        {.name = "Label14", .kind = Kind::Label, .left = 3720, .top = 3000, .width = 735, .height = 255, .flags = Flag::Border, .role = Role::ToleranceBandName},
        {.name = "Label13", .kind = Kind::Label, .left = 2760, .top = 3000, .width = 975, .height = 255, .flags = Flag::Border, .role = Role::MultiplierBandName},
        {.name = "Label12", .kind = Kind::Label, .left = 2040, .top = 3000, .width = 975, .height = 255, .flags = Flag::Border, .role = Role::SecondBandName},
        {.name = "Label11", .kind = Kind::Label, .left = 1200, .top = 3000, .width = 855, .height = 255, .flags = Flag::Border, .role = Role::FirstBandName},

        {.name = "Label15", .kind = Kind::Label, .left = 840, .top = 840, .width = 2535, .height = 255, .font = Font::Bold, .flags = Flag::Border, .role = Role::ValueLine},
        {.name = "Label20", .kind = Kind::Label, .left = 4920, .top = 960, .width = 1575, .height = 255, .caption = "Tolerance value", .labelFor = "Label21"},
        {.name = "Label21", .kind = Kind::Label, .left = 5040, .top = 1320, .width = 735, .height = 255, .flags = Flag::Border, .role = Role::ToleranceValue},
        {.name = "Label17", .kind = Kind::Label, .left = 5040, .top = 1550, .width = 1215, .height = 255, .caption = "Minimum value", .labelFor = "minvalue"},
        {.name = "minvalue", .kind = Kind::Label, .left = 5040, .top = 1800, .width = 1095, .height = 255, .flags = Flag::Border | Flag::FitCaption, .role = Role::Minimum},
        {.name = "multimin", .kind = Kind::Label, .left = 6120, .top = 1800, .width = 495, .height = 255, .flags = Flag::Border, .role = Role::MinimumUnit},
        {.name = "Label16", .kind = Kind::Label, .left = 5040, .top = 2160, .width = 1215, .height = 255, .caption = "Maximum value", .labelFor = "maxvalue"},
        {.name = "maxvalue", .kind = Kind::Label, .left = 5040, .top = 2400, .width = 1095, .height = 255, .flags = Flag::Border | Flag::FitCaption, .role = Role::Maximum},
        {.name = "multimax", .kind = Kind::Label, .left = 6120, .top = 2400, .width = 495, .height = 255, .flags = Flag::Border, .role = Role::MaximumUnit},
};

const EncoderDesign kDesign{.body = kBody, .digitCount = 2, .units = kUnits, .points = {{{kInFront}, {kBetweenDigits}}}};
// clang-format on

} // namespace

FourBandEncoder::FourBandEncoder()
    : Encoder(kWindow, kControls, kDesign)
{
    showEncoding();
}

QString FourBandEncoder::valueText() const
{
    return core::fourBandValueText(choice());
}

void FourBandEncoder::computeRange(core::EncoderTexts &texts) const
{
    core::fourBandRange(choice(), texts);
}

core::FourBandChoice FourBandEncoder::choice() const
{
    auto text = [this](Role role) { return bound<DropDownList>(role)->text(); };
    return {.pointInFront = text(Role::FirstPoint),
            .firstDigit = text(Role::FirstDigit),
            .pointOrLetter = text(Role::SecondPoint),
            .secondDigit = text(Role::SecondDigit),
            .unit = text(Role::Unit),
            .tolerance = text(Role::Tolerance),
            .toleranceColour = tolerance()};
}

} // namespace encoders
