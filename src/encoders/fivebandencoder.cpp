// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "encoders/fivebandencoder.h"

#include "core/bandcolour.h"

namespace encoders {
namespace {

using namespace ui;
namespace cc = core;

constexpr Colour kBody = cc::kFiveBandBody;

// " " is no point, letter or unit; a unit follows the digits in the value line, so it
// begins with a blank. The blank unit leaves the band as it is.
// Lower case "blue", and yellow (255,255,0) and green (0,255,0) not the table's (255,255,1) and
// (0,255,1): what users see.
// clang-format off
constexpr UnitRow kUnits[] = {
        {" ", {}, false},
        {" ohm", {cc::Band::Black}},
        {" Kohm", {cc::Band::Orange}},
        {" Mohm", {.colour = cc::Band::Blue, .name = "blue"}},
};
constexpr PointRow kAfterFirst[] = {
        {" ", false},
        {".", true, {cc::Band::Silver}},
        {"k", true, {cc::Band::Brown}},
        {"M", true, {.colour = cc::Band::Yellow, .paint = cc::rgb(255, 255, 0)}},
};
constexpr PointRow kAfterSecond[] = {
        {" ", false},
        {".", true, {cc::Band::Gold}},
        {"k", true, {cc::Band::Red}},
        {"M", true, {.colour = cc::Band::Green, .paint = cc::rgb(0, 255, 0)}},
};
// clang-format on
constexpr auto kUnitItems = itemsOf(kUnits);
constexpr auto kAfterFirstItems = itemsOf(kAfterFirst);
constexpr auto kAfterSecondItems = itemsOf(kAfterSecond);

// clang-format off
const WindowDef kWindow{.caption = "5 band value to colour code", .width = 7185, .height = 3600, .border = Border::FixedDialog, .taskbarButton = false, .placement = Placement::WindowsDefault};
// clang-format on

// The lines lie on top of the drawing, in which each piece covers the one pixel it shares with
// its neighbour in the order listed. Each colour name lies on top of the one to its left.
// clang-format off
const ControlDef kControls[] = {
        {.name = "Command2", .kind = Kind::CommandButton, .left = 960, .top = 0, .width = 2655, .height = 315, .caption = "back to main window", .tabIndex = 7, .role = Role::Back},
        {.name = "number1", .kind = Kind::DropDownList, .left = 120, .top = 960, .width = 495, .height = 315, .tabIndex = 0, .items = cc::firstDigitTexts(), .accessibleName = "1st digit", .role = Role::FirstDigit},
        {.name = "Combo2", .kind = Kind::DropDownList, .left = 840, .top = 960, .width = 510, .height = 315, .tabIndex = 1, .items = kAfterFirstItems, .accessibleName = "D.P. after the 1st digit", .role = Role::FirstPoint},
        {.name = "number2", .kind = Kind::DropDownList, .left = 1560, .top = 960, .width = 495, .height = 315, .tabIndex = 2, .items = cc::digitTexts(), .accessibleName = "2nd digit", .role = Role::SecondDigit},
        {.name = "combo1", .kind = Kind::DropDownList, .left = 2280, .top = 960, .width = 495, .height = 315, .tabIndex = 3, .items = kAfterSecondItems, .accessibleName = "D.P. after the 2nd digit", .role = Role::SecondPoint},
        {.name = "digit3", .kind = Kind::DropDownList, .left = 2880, .top = 960, .width = 495, .height = 315, .tabIndex = 4, .items = cc::digitTexts(), .accessibleName = "3rd digit", .role = Role::ThirdDigit},
        {.name = "multiplier", .kind = Kind::DropDownList, .left = 3600, .top = 960, .width = 975, .height = 315, .tabIndex = 5, .items = kUnitItems, .accessibleName = "multiplier", .role = Role::Unit},
        {.name = "tolerance", .kind = Kind::DropDownList, .left = 4560, .top = 960, .width = 735, .height = 315, .tabIndex = 6, .items = cc::toleranceTexts(), .accessibleName = "tolerance", .role = Role::Tolerance},

        {.name = "Label5", .kind = Kind::Label, .left = 0, .top = 720, .width = 735, .height = 255, .caption = "1st digit", .flags = Flag::Border},
        {.name = "Label27", .kind = Kind::Label, .left = 840, .top = 720, .width = 495, .height = 255, .caption = " D.P.", .flags = Flag::Border},
        {.name = "Label29", .kind = Kind::Label, .left = 1440, .top = 720, .width = 735, .height = 255, .caption = "2nd digit", .flags = Flag::Border},
        {.name = "Label30", .kind = Kind::Label, .left = 2280, .top = 720, .width = 495, .height = 255, .caption = "D.P.", .flags = Flag::Border},
        {.name = "Label31", .kind = Kind::Label, .left = 2760, .top = 720, .width = 735, .height = 255, .caption = "3rd digit", .flags = Flag::Border},
        {.name = "Label32", .kind = Kind::Label, .left = 3600, .top = 720, .width = 975, .height = 255, .caption = "multiplier", .flags = Flag::Border},
        {.name = "Label33", .kind = Kind::Label, .left = 4560, .top = 720, .width = 735, .height = 255, .caption = "tolerance", .flags = Flag::Border},
        {.name = "Label34", .kind = Kind::Label, .left = 5280, .top = 2760, .width = 1815, .height = 855, .caption = "D.P. = decimal point, includes multiplier values for x.x kilo and mega ohms"},

        {.name = "Line4", .kind = Kind::Line, .left = 1440, .top = 2640, .width = 1440, .height = 3120},
        {.name = "Line3", .kind = Kind::Line, .left = 2040, .top = 2640, .width = 2040, .height = 3120},
        {.name = "Line5", .kind = Kind::Line, .left = 2760, .top = 2760, .width = 3000, .height = 3120},
        {.name = "Line2", .kind = Kind::Line, .left = 3240, .top = 2640, .width = 3720, .height = 3120},
        {.name = "Line1", .kind = Kind::Line, .left = 4800, .top = 3120, .width = 3840, .height = 2640},
        {.name = "Label26", .kind = Kind::Label, .left = 3360, .top = 1440, .width = 255, .height = 1215, .backColour = kBody},
        {.name = "Label24", .kind = Kind::Label, .left = 2400, .top = 1440, .width = 375, .height = 1215, .backColour = kBody, .role = Role::ThirdBand},
        {.name = "Label23", .kind = Kind::Label, .left = 3240, .top = 1440, .width = 135, .height = 1215, .backColour = kBody},
        {.name = "Label22", .kind = Kind::Label, .left = 2760, .top = 1440, .width = 135, .height = 1215, .backColour = kBody},
        {.name = "Image1", .kind = Kind::Image, .left = 240, .top = 1320, .width = 990, .height = 1470, .caption = ":/art/end5-left.png", .accessibleName = "left end of the resistor with its lead"},
        {.name = "Label1", .kind = Kind::Label, .left = 1440, .top = 1440, .width = 375, .height = 1215, .backColour = kBody, .role = Role::FirstBand},
        {.name = "Label2", .kind = Kind::Label, .left = 1920, .top = 1440, .width = 375, .height = 1215, .backColour = kBody, .role = Role::SecondBand},
        {.name = "Label3", .kind = Kind::Label, .left = 2880, .top = 1440, .width = 375, .height = 1215, .backColour = kBody, .role = Role::MultiplierBand},
        {.name = "Label4", .kind = Kind::Label, .left = 3600, .top = 1440, .width = 375, .height = 1215, .backColour = kBody, .role = Role::ToleranceBand},
        {.name = "Image2", .kind = Kind::Image, .left = 3960, .top = 1320, .width = 960, .height = 1470, .caption = ":/art/end5-right.png", .accessibleName = "right end of the resistor with its lead"},
        {.name = "Label6", .kind = Kind::Label, .left = 2280, .top = 1440, .width = 135, .height = 1215, .backColour = kBody},
        {.name = "Label7", .kind = Kind::Label, .left = 1800, .top = 1440, .width = 135, .height = 1215, .backColour = kBody},
        {.name = "Label8", .kind = Kind::Label, .left = 1200, .top = 1440, .width = 255, .height = 1215, .backColour = kBody},
        {.name = "Label9", .kind = Kind::Label, .left = 1200, .top = 2640, .width = 3135, .height = 135, .backColour = cc::kWhite},
        {.name = "Label10", .kind = Kind::Label, .left = 1200, .top = 1320, .width = 3135, .height = 135, .backColour = cc::kWhite},

        {.name = "Label14", .kind = Kind::Label, .left = 4560, .top = 3120, .width = 735, .height = 255, .flags = Flag::Border, .role = Role::ToleranceBandName},
        {.name = "Label13", .kind = Kind::Label, .left = 3600, .top = 3120, .width = 975, .height = 255, .flags = Flag::Border, .role = Role::MultiplierBandName},
        {.name = "Label25", .kind = Kind::Label, .left = 2760, .top = 3120, .width = 855, .height = 255, .flags = Flag::Border, .role = Role::ThirdBandName},
        {.name = "Label12", .kind = Kind::Label, .left = 1800, .top = 3120, .width = 975, .height = 255, .flags = Flag::Border, .role = Role::SecondBandName},
        {.name = "Label11", .kind = Kind::Label, .left = 960, .top = 3120, .width = 855, .height = 255, .flags = Flag::Border, .role = Role::FirstBandName},

        {.name = "Label15", .kind = Kind::Label, .left = 1200, .top = 360, .width = 2535, .height = 255, .font = Font::Bold, .flags = Flag::Border, .role = Role::ValueLine},
        {.name = "Label20", .kind = Kind::Label, .left = 5400, .top = 720, .width = 1575, .height = 255, .caption = "Tolerance value", .labelFor = "Label21"},
        {.name = "Label21", .kind = Kind::Label, .left = 5520, .top = 1080, .width = 735, .height = 255, .flags = Flag::Border, .role = Role::ToleranceValue},
        {.name = "Label17", .kind = Kind::Label, .left = 5400, .top = 1425, .width = 1215, .height = 255, .caption = "Minimum value", .labelFor = "minvalue"},
        {.name = "minvalue", .kind = Kind::Label, .left = 5400, .top = 1680, .width = 1095, .height = 255, .flags = Flag::Border | Flag::FitCaption, .role = Role::Minimum},
        {.name = "multimin", .kind = Kind::Label, .left = 6480, .top = 1680, .width = 495, .height = 255, .flags = Flag::Border, .role = Role::MinimumUnit},
        {.name = "Label16", .kind = Kind::Label, .left = 5400, .top = 2030, .width = 1215, .height = 255, .caption = "Maximum value", .labelFor = "maxvalue"},
        {.name = "maxvalue", .kind = Kind::Label, .left = 5400, .top = 2280, .width = 1095, .height = 255, .flags = Flag::Border | Flag::FitCaption, .role = Role::Maximum},
        {.name = "multimax", .kind = Kind::Label, .left = 6480, .top = 2280, .width = 495, .height = 255, .flags = Flag::Border, .role = Role::MaximumUnit},
};

// A unit chosen before a point goes back to blank; only the first chooser's blank drops it.
// "black" in lower case on the third band alone: what users see.
const EncoderDesign kDesign{.body = kBody, .digitCount = 3, .units = kUnits, .points = {{{kAfterFirst, UnitReset::Always}, {kAfterSecond, UnitReset::WhenLocking}}}, .thirdZeroName = "black"};
// clang-format on

} // namespace

FiveBandEncoder::FiveBandEncoder()
    : Encoder(kWindow, kControls, kDesign)
{
    showEncoding();
}

QString FiveBandEncoder::valueText() const
{
    return core::fiveBandValueText(choice());
}

void FiveBandEncoder::computeRange(core::EncoderTexts &texts) const
{
    core::fiveBandRange(choice(), texts);
}

core::FiveBandChoice FiveBandEncoder::choice() const
{
    auto text = [this](Role role) { return bound<DropDownList>(role)->text(); };
    return {.firstDigit = text(Role::FirstDigit),
            .afterFirst = text(Role::FirstPoint),
            .secondDigit = text(Role::SecondDigit),
            .afterSecond = text(Role::SecondPoint),
            .thirdDigit = text(Role::ThirdDigit),
            .unit = text(Role::Unit),
            .tolerance = text(Role::Tolerance),
            .toleranceColour = tolerance()};
}

} // namespace encoders
