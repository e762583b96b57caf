// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "decoders/fivebanddecoder.h"

#include "core/bandcolour.h"

namespace decoders {
namespace {

using namespace ui;
namespace cc = core;

constexpr Colour kBody = cc::kFiveBandBody;

// clang-format off
const WindowDef kWindow{.caption = "5 band colour code to value", .width = 7440, .height = 4740, .border = Border::FixedDialog, .taskbarButton = false, .placement = Placement::WindowsDefault};

const ControlDef kControls[] = {
        {.name = "Command1", .kind = Kind::CommandButton, .left = 0, .top = 360, .width = 5055, .height = 315, .caption = "back to main screen", .tabIndex = 5, .role = Role::Back},
        {.name = "band1", .kind = Kind::DropDownList, .left = 0, .top = 1080, .width = 1575, .height = 315, .tabIndex = 0, .items = cc::firstDigitItems(), .accessibleName = "band 1", .role = Role::FirstDigit},
        {.name = "band2", .kind = Kind::DropDownList, .left = 1680, .top = 1080, .width = 1455, .height = 315, .tabIndex = 1, .items = cc::digitItems(), .accessibleName = "band 2", .role = Role::SecondDigit},
        {.name = "band3", .kind = Kind::DropDownList, .left = 3240, .top = 1080, .width = 1575, .height = 315, .tabIndex = 2, .items = cc::digitItems(), .accessibleName = "band 3", .role = Role::ThirdDigit},
        {.name = "band4", .kind = Kind::DropDownList, .left = 4800, .top = 1080, .width = 1095, .height = 315, .tabIndex = 3, .items = cc::multiplierItems(), .accessibleName = "band 4 multiplier", .role = Role::Multiplier},
        {.name = "band5", .kind = Kind::DropDownList, .left = 6000, .top = 1080, .width = 1335, .height = 315, .tabIndex = 4, .items = cc::toleranceItems(), .accessibleName = "band 5 tolerance", .role = Role::Tolerance},

        {.name = "Image1", .kind = Kind::Image, .left = 960, .top = 2040, .width = 990, .height = 1470, .caption = ":/art/end5-left.png", .accessibleName = "left end of the resistor with its lead"},
        {.name = "Label18", .kind = Kind::Label, .left = 1920, .top = 2040, .width = 2895, .height = 135, .backColour = cc::kWhite},
        {.name = "Label19", .kind = Kind::Label, .left = 1920, .top = 3360, .width = 2895, .height = 135, .backColour = cc::kWhite},
        {.name = "Label2", .kind = Kind::Label, .left = 1920, .top = 2160, .width = 255, .height = 1215, .backColour = kBody},
        {.name = "Label17", .kind = Kind::Label, .left = 2160, .top = 2160, .width = 375, .height = 1215, .backColour = kBody, .role = Role::FirstBand},
        {.name = "Label3", .kind = Kind::Label, .left = 2520, .top = 2160, .width = 135, .height = 1215, .backColour = kBody},
        {.name = "Label16", .kind = Kind::Label, .left = 2640, .top = 2160, .width = 375, .height = 1215, .backColour = kBody, .role = Role::SecondBand},
        {.name = "Label4", .kind = Kind::Label, .left = 3000, .top = 2160, .width = 135, .height = 1215, .backColour = kBody},
        {.name = "Label32", .kind = Kind::Label, .left = 3120, .top = 2160, .width = 375, .height = 1215, .backColour = kBody, .role = Role::ThirdBand},
        {.name = "Label13", .kind = Kind::Label, .left = 3480, .top = 2160, .width = 135, .height = 1215, .backColour = kBody},
        {.name = "Label15", .kind = Kind::Label, .left = 3600, .top = 2160, .width = 375, .height = 1215, .backColour = kBody, .role = Role::MultiplierBand},
        {.name = "Label31", .kind = Kind::Label, .left = 3960, .top = 2160, .width = 495, .height = 1215, .backColour = kBody},
        {.name = "Label14", .kind = Kind::Label, .left = 4440, .top = 2160, .width = 375, .height = 1215, .backColour = kBody, .role = Role::ToleranceBand},
        {.name = "Image2", .kind = Kind::Image, .left = 4800, .top = 2040, .width = 960, .height = 1470, .caption = ":/art/end5-right.png", .accessibleName = "right end of the resistor with its lead"},
        {.name = "Line1", .kind = Kind::Line, .left = 2040, .top = 2040, .width = 1080, .height = 1440},
        {.name = "Line2", .kind = Kind::Line, .left = 2280, .top = 1440, .width = 2520, .height = 2040},
        {.name = "Line3", .kind = Kind::Line, .left = 3360, .top = 2040, .width = 3360, .height = 1440},
        {.name = "Line5", .kind = Kind::Line, .left = 4080, .top = 2040, .width = 5280, .height = 1440},
        {.name = "Line4", .kind = Kind::Line, .left = 4560, .top = 2160, .width = 6600, .height = 1440},

        {.name = "Label5", .kind = Kind::Label, .left = 120, .top = 4080, .width = 495, .height = 495, .font = Font::Large, .role = Role::FirstShownDigit},
        {.name = "Label21", .kind = Kind::Label, .left = 600, .top = 4080, .width = 375, .height = 495, .caption = ".", .font = Font::Large, .flags = Flag::Hidden | Flag::Transparent, .role = Role::PointBeforeLastTwoDigits},
        {.name = "Label11", .kind = Kind::Label, .left = 720, .top = 4080, .width = 495, .height = 495, .font = Font::Large, .role = Role::SecondShownDigit},
        {.name = "Label20", .kind = Kind::Label, .left = 1200, .top = 4080, .width = 375, .height = 495, .caption = ".", .font = Font::Large, .flags = Flag::Hidden | Flag::Transparent, .role = Role::PointBeforeLastDigit},
        {.name = "Label33", .kind = Kind::Label, .left = 1320, .top = 4080, .width = 495, .height = 495, .font = Font::Large, .role = Role::ThirdShownDigit},
        {.name = "Label12", .kind = Kind::Label, .left = 1920, .top = 4080, .width = 615, .height = 495, .font = Font::Large, .role = Role::TrailingZero},
        {.name = "Label8", .kind = Kind::Label, .left = 2760, .top = 4080, .width = 495, .height = 255, .role = Role::Magnitude},
        {.name = "Label7", .kind = Kind::Label, .left = 3360, .top = 4080, .width = 615, .height = 255, .caption = "ohms", .font = Font::Medium, .flags = Flag::Hidden, .role = Role::Ohms},
        {.name = "Label9", .kind = Kind::Label, .left = 3960, .top = 4080, .width = 615, .height = 495, .font = Font::Large, .role = Role::Percent},
        {.name = "Label10", .kind = Kind::Label, .left = 4560, .top = 4080, .width = 495, .height = 495, .caption = "%", .font = Font::Large, .flags = Flag::Hidden, .role = Role::PercentSign},

        {.name = "Label22", .kind = Kind::Label, .left = 120, .top = 720, .width = 7335, .height = 255, .caption = "band 1                        band 2                        band 3                        band 4 multiplier    band 5 tolerance "},
        {.name = "Label6", .kind = Kind::Label, .left = 1200, .top = 3720, .width = 1455, .height = 255, .caption = "value of resistor", .labelFor = "Label5"},
        {.name = "Label1", .kind = Kind::Label, .left = 4320, .top = 3720, .width = 1335, .height = 255, .caption = "tolerance"},
        {.name = "Label23", .kind = Kind::Label, .left = 5880, .top = 2160, .width = 1335, .height = 255, .caption = "tolerance value", .labelFor = "Label29"},
        {.name = "Label29", .kind = Kind::Label, .left = 5880, .top = 2520, .width = 255, .height = 255, .flags = Flag::Border, .role = Role::ToleranceValue},
        {.name = "Label30", .kind = Kind::Label, .left = 6120, .top = 2535, .width = 255, .height = 255, .caption = "%"},
        {.name = "Label24", .kind = Kind::Label, .left = 5880, .top = 2850, .width = 1575, .height = 255, .caption = "minimum value", .labelFor = "minvalue"},
        {.name = "minvalue", .kind = Kind::Label, .left = 5880, .top = 3120, .width = 975, .height = 255, .flags = Flag::Border | Flag::FitCaption, .role = Role::Minimum},
        {.name = "multimin", .kind = Kind::Label, .left = 6840, .top = 3120, .width = 495, .height = 255, .flags = Flag::Border, .role = Role::MinimumUnit},
        {.name = "Label25", .kind = Kind::Label, .left = 5880, .top = 3470, .width = 1455, .height = 255, .caption = "maximum value", .labelFor = "maxvalue"},
        {.name = "maxvalue", .kind = Kind::Label, .left = 5880, .top = 3720, .width = 975, .height = 255, .flags = Flag::Border | Flag::FitCaption, .role = Role::Maximum},
        {.name = "multimax", .kind = Kind::Label, .left = 6840, .top = 3720, .width = 495, .height = 255, .flags = Flag::Border, .role = Role::MaximumUnit},
};
// clang-format on

} // namespace

FiveBandDecoder::FiveBandDecoder()
    : Decoder(kWindow, kControls, core::DigitCount::Three, kBody)
{}

} // namespace decoders
