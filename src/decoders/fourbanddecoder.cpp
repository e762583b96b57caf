// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "decoders/fourbanddecoder.h"

#include "core/bandcolour.h"

namespace decoders {
namespace {

using namespace ui;
namespace cc = core;

constexpr Colour kBody = cc::kFourBandBody;

// clang-format off
const WindowDef kWindow{.caption = "Colour Code to Value", .width = 8190, .height = 4770, .border = Border::FixedDialog, .taskbarButton = false, .placement = Placement::CentreScreen};

const ControlDef kControls[] = {
        {.name = "Command1", .kind = Kind::CommandButton, .left = 0, .top = 0, .width = 5055, .height = 315, .caption = "back to main screen", .tabIndex = 4, .role = Role::Back},
        {.name = "band1", .kind = Kind::DropDownList, .left = 0, .top = 720, .width = 1575, .height = 315, .tabIndex = 0, .items = cc::firstDigitItems(), .accessibleName = "band 1", .role = Role::FirstDigit},
        {.name = "band2", .kind = Kind::DropDownList, .left = 1680, .top = 720, .width = 1455, .height = 315, .tabIndex = 1, .items = cc::digitItems(), .accessibleName = "band 2", .role = Role::SecondDigit},
        {.name = "band3", .kind = Kind::DropDownList, .left = 3240, .top = 720, .width = 1575, .height = 315, .tabIndex = 2, .items = cc::multiplierItems(), .accessibleName = "band 3", .role = Role::Multiplier},
        {.name = "band4", .kind = Kind::DropDownList, .left = 4800, .top = 720, .width = 1335, .height = 315, .tabIndex = 3, .items = cc::toleranceItems(), .accessibleName = "band 4 / tolerance", .role = Role::Tolerance},

        {.name = "Image1", .kind = Kind::Image, .left = 960, .top = 1320, .width = 990, .height = 1470, .caption = ":/art/end4-left.png", .accessibleName = "left end of the resistor with its lead"},
        {.name = "Label18", .kind = Kind::Label, .left = 1920, .top = 1320, .width = 2295, .height = 135, .backColour = cc::kWhite},
        {.name = "Label19", .kind = Kind::Label, .left = 1920, .top = 2640, .width = 2295, .height = 135, .backColour = cc::kWhite},
        {.name = "Label2", .kind = Kind::Label, .left = 1920, .top = 1440, .width = 255, .height = 1215, .backColour = kBody},
        {.name = "Label17", .kind = Kind::Label, .left = 2160, .top = 1440, .width = 375, .height = 1215, .backColour = kBody, .role = Role::FirstBand},
        {.name = "Label3", .kind = Kind::Label, .left = 2520, .top = 1440, .width = 135, .height = 1215, .backColour = kBody},
        {.name = "Label16", .kind = Kind::Label, .left = 2640, .top = 1440, .width = 375, .height = 1215, .backColour = kBody, .role = Role::SecondBand},
        {.name = "Label4", .kind = Kind::Label, .left = 3000, .top = 1440, .width = 135, .height = 1215, .backColour = kBody},
        {.name = "Label15", .kind = Kind::Label, .left = 3120, .top = 1440, .width = 375, .height = 1215, .backColour = kBody, .role = Role::MultiplierBand},
        {.name = "Label13", .kind = Kind::Label, .left = 3480, .top = 1440, .width = 375, .height = 1215, .backColour = kBody},
        {.name = "Label14", .kind = Kind::Label, .left = 3840, .top = 1440, .width = 375, .height = 1215, .backColour = kBody, .role = Role::ToleranceBand},
        {.name = "Image2", .kind = Kind::Image, .left = 4200, .top = 1320, .width = 960, .height = 1470, .caption = ":/art/end4-right.png", .accessibleName = "right end of the resistor with its lead"},
        {.name = "Line1", .kind = Kind::Line, .left = 2040, .top = 1320, .width = 1320, .height = 1200},
        {.name = "Line2", .kind = Kind::Line, .left = 2400, .top = 1080, .width = 2520, .height = 1320},
        {.name = "Line3", .kind = Kind::Line, .left = 3360, .top = 1440, .width = 3360, .height = 1080},
        {.name = "Line4", .kind = Kind::Line, .left = 4080, .top = 1320, .width = 4920, .height = 1080},

        {.name = "Label21", .kind = Kind::Label, .left = 480, .top = 3360, .width = 375, .height = 495, .caption = ".", .font = Font::Large, .flags = Flag::Hidden | Flag::Transparent, .role = Role::PointBeforeLastTwoDigits},
        {.name = "Label5", .kind = Kind::Label, .left = 600, .top = 3360, .width = 495, .height = 495, .font = Font::Large, .role = Role::FirstShownDigit},
        {.name = "Label20", .kind = Kind::Label, .left = 1080, .top = 3360, .width = 375, .height = 495, .caption = ".", .font = Font::Large, .flags = Flag::Hidden | Flag::Transparent, .role = Role::PointBeforeLastDigit},
        {.name = "Label11", .kind = Kind::Label, .left = 1200, .top = 3360, .width = 495, .height = 495, .font = Font::Large, .role = Role::SecondShownDigit},
        {.name = "Label12", .kind = Kind::Label, .left = 1800, .top = 3360, .width = 615, .height = 495, .font = Font::Large, .role = Role::TrailingZero},
        {.name = "Label8", .kind = Kind::Label, .left = 2760, .top = 3360, .width = 495, .height = 255, .role = Role::Magnitude},
        {.name = "Label7", .kind = Kind::Label, .left = 3360, .top = 3360, .width = 615, .height = 255, .caption = "ohms", .font = Font::Medium, .flags = Flag::Hidden, .role = Role::Ohms},
        {.name = "Label9", .kind = Kind::Label, .left = 3960, .top = 3360, .width = 615, .height = 495, .font = Font::Large, .role = Role::Percent},
        {.name = "Label10", .kind = Kind::Label, .left = 4560, .top = 3360, .width = 495, .height = 495, .caption = "%", .font = Font::Large, .flags = Flag::Hidden, .role = Role::PercentSign},

        {.name = "Label22", .kind = Kind::Label, .left = 120, .top = 360, .width = 7095, .height = 255, .caption = "band 1                        band 2                        band 3                        band 4 / tolerance "},
        {.name = "Label6", .kind = Kind::Label, .left = 1200, .top = 3000, .width = 1455, .height = 255, .caption = "value of resistor", .labelFor = "Label5"},
        {.name = "Label1", .kind = Kind::Label, .left = 4320, .top = 3000, .width = 1335, .height = 255, .caption = "tolerance"},
        {.name = "Label23", .kind = Kind::Label, .left = 5760, .top = 1440, .width = 1335, .height = 255, .caption = "tolerance value", .labelFor = "Label29"},
        {.name = "Label29", .kind = Kind::Label, .left = 5760, .top = 1800, .width = 255, .height = 255, .flags = Flag::Border, .role = Role::ToleranceValue},
        {.name = "Label30", .kind = Kind::Label, .left = 6000, .top = 1810, .width = 255, .height = 255, .caption = "%"},
        {.name = "Label24", .kind = Kind::Label, .left = 5760, .top = 2130, .width = 1575, .height = 255, .caption = "minimum value", .labelFor = "minvalue"},
        {.name = "minvalue", .kind = Kind::Label, .left = 5760, .top = 2400, .width = 975, .height = 255, .flags = Flag::Border | Flag::FitCaption, .role = Role::Minimum},
        {.name = "multimin", .kind = Kind::Label, .left = 6720, .top = 2400, .width = 495, .height = 255, .flags = Flag::Border, .role = Role::MinimumUnit},
        {.name = "Label25", .kind = Kind::Label, .left = 5760, .top = 2640, .width = 1455, .height = 255, .caption = "maximum value", .labelFor = "maxvalue"},
        {.name = "maxvalue", .kind = Kind::Label, .left = 5760, .top = 2880, .width = 975, .height = 255, .flags = Flag::Border | Flag::FitCaption, .role = Role::Maximum},
        {.name = "multimax", .kind = Kind::Label, .left = 6720, .top = 2880, .width = 495, .height = 255, .flags = Flag::Border, .role = Role::MaximumUnit},
};
// clang-format on

} // namespace

FourBandDecoder::FourBandDecoder()
    : Decoder(kWindow, kControls, core::DigitCount::Two, kBody)
{}

} // namespace decoders
