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
        {.name = "Command1", .kind = Kind::CommandButton, .left = 0, .top = 360, .width = 5055, .height = 315, .caption = "back to main screen", .tabIndex = 5},
        {.name = "band1", .kind = Kind::DropDownList, .left = 0, .top = 1080, .width = 1575, .height = 315, .tabIndex = 0, .items = cc::firstDigitItems(), .accessibleName = "band 1"},
        {.name = "band2", .kind = Kind::DropDownList, .left = 1680, .top = 1080, .width = 1455, .height = 315, .tabIndex = 1, .items = cc::digitItems(), .accessibleName = "band 2"},
        {.name = "band3", .kind = Kind::DropDownList, .left = 3240, .top = 1080, .width = 1575, .height = 315, .tabIndex = 2, .items = cc::digitItems(), .accessibleName = "band 3"},
        {.name = "band4", .kind = Kind::DropDownList, .left = 4800, .top = 1080, .width = 1095, .height = 315, .tabIndex = 3, .items = cc::multiplierItems(), .accessibleName = "band 4 multiplier"},
        {.name = "band5", .kind = Kind::DropDownList, .left = 6000, .top = 1080, .width = 1335, .height = 315, .tabIndex = 4, .items = cc::toleranceItems(), .accessibleName = "band 5 tolerance"},
        {.name = "Timer1", .kind = Kind::Timer, .interval = 1},

        {.name = "Image1", .kind = Kind::Image, .left = 960, .top = 2040, .width = 990, .height = 1470, .caption = ":/art/end5-left.png", .accessibleName = "left end of the resistor with its lead"},
        {.name = "Label18", .kind = Kind::Label, .left = 1920, .top = 2040, .width = 2895, .height = 135, .backColour = cc::kWhite},
        {.name = "Label19", .kind = Kind::Label, .left = 1920, .top = 3360, .width = 2895, .height = 135, .backColour = cc::kWhite},
        {.name = "Label2", .kind = Kind::Label, .left = 1920, .top = 2160, .width = 255, .height = 1215, .backColour = kBody},
        {.name = "Label17", .kind = Kind::Label, .left = 2160, .top = 2160, .width = 375, .height = 1215, .backColour = kBody},
        {.name = "Label3", .kind = Kind::Label, .left = 2520, .top = 2160, .width = 135, .height = 1215, .backColour = kBody},
        {.name = "Label16", .kind = Kind::Label, .left = 2640, .top = 2160, .width = 375, .height = 1215, .backColour = kBody},
        {.name = "Label4", .kind = Kind::Label, .left = 3000, .top = 2160, .width = 135, .height = 1215, .backColour = kBody},
        {.name = "Label32", .kind = Kind::Label, .left = 3120, .top = 2160, .width = 375, .height = 1215, .backColour = kBody},
        {.name = "Label13", .kind = Kind::Label, .left = 3480, .top = 2160, .width = 135, .height = 1215, .backColour = kBody},
        {.name = "Label15", .kind = Kind::Label, .left = 3600, .top = 2160, .width = 375, .height = 1215, .backColour = kBody},
        {.name = "Label31", .kind = Kind::Label, .left = 3960, .top = 2160, .width = 495, .height = 1215, .backColour = kBody},
        {.name = "Label14", .kind = Kind::Label, .left = 4440, .top = 2160, .width = 375, .height = 1215, .backColour = kBody},
        {.name = "Image2", .kind = Kind::Image, .left = 4800, .top = 2040, .width = 960, .height = 1470, .caption = ":/art/end5-right.png", .accessibleName = "right end of the resistor with its lead"},
        {.name = "Line1", .kind = Kind::Line, .left = 2040, .top = 2040, .width = 1080, .height = 1440},
        {.name = "Line2", .kind = Kind::Line, .left = 2280, .top = 1440, .width = 2520, .height = 2040},
        {.name = "Line3", .kind = Kind::Line, .left = 3360, .top = 2040, .width = 3360, .height = 1440},
        {.name = "Line5", .kind = Kind::Line, .left = 4080, .top = 2040, .width = 5280, .height = 1440},
        {.name = "Line4", .kind = Kind::Line, .left = 4560, .top = 2160, .width = 6600, .height = 1440},

        {.name = "Label5", .kind = Kind::Label, .left = 120, .top = 4080, .width = 495, .height = 495, .font = Font::Large},
        {.name = "Label21", .kind = Kind::Label, .left = 600, .top = 4080, .width = 375, .height = 495, .caption = ".", .font = Font::Large, .flags = Flag::Hidden | Flag::Transparent},
        {.name = "Label11", .kind = Kind::Label, .left = 720, .top = 4080, .width = 495, .height = 495, .font = Font::Large},
        {.name = "Label20", .kind = Kind::Label, .left = 1200, .top = 4080, .width = 375, .height = 495, .caption = ".", .font = Font::Large, .flags = Flag::Hidden | Flag::Transparent},
        {.name = "Label33", .kind = Kind::Label, .left = 1320, .top = 4080, .width = 495, .height = 495, .font = Font::Large},
        {.name = "Label12", .kind = Kind::Label, .left = 1920, .top = 4080, .width = 615, .height = 495, .font = Font::Large},
        {.name = "Label8", .kind = Kind::Label, .left = 2760, .top = 4080, .width = 495, .height = 255},
        {.name = "Label7", .kind = Kind::Label, .left = 3360, .top = 4080, .width = 615, .height = 255, .caption = "ohms", .font = Font::Medium, .flags = Flag::Hidden},
        {.name = "Label9", .kind = Kind::Label, .left = 3960, .top = 4080, .width = 615, .height = 495, .font = Font::Large},
        {.name = "Label10", .kind = Kind::Label, .left = 4560, .top = 4080, .width = 495, .height = 495, .caption = "%", .font = Font::Large, .flags = Flag::Hidden},

        {.name = "Label22", .kind = Kind::Label, .left = 120, .top = 720, .width = 7335, .height = 255, .caption = "band 1                        band 2                        band 3                        band 4 multiplier    band 5 tolerance "},
        {.name = "Label6", .kind = Kind::Label, .left = 1200, .top = 3720, .width = 1455, .height = 255, .caption = "value of resistor", .labelFor = "Label5"},
        {.name = "Label1", .kind = Kind::Label, .left = 4320, .top = 3720, .width = 1335, .height = 255, .caption = "tolerance"},
        {.name = "Label23", .kind = Kind::Label, .left = 5880, .top = 2160, .width = 1335, .height = 255, .caption = "tolerance value", .labelFor = "Label29"},
        {.name = "Label29", .kind = Kind::Label, .left = 5880, .top = 2520, .width = 255, .height = 255, .flags = Flag::Border},
        {.name = "Label30", .kind = Kind::Label, .left = 6120, .top = 2535, .width = 255, .height = 255, .caption = "%"},
        {.name = "Label24", .kind = Kind::Label, .left = 5880, .top = 2850, .width = 1575, .height = 255, .caption = "minimum value", .labelFor = "minvalue"},
        {.name = "minvalue", .kind = Kind::Label, .left = 5880, .top = 3120, .width = 975, .height = 255, .flags = Flag::Border | Flag::FitCaption},
        {.name = "multimin", .kind = Kind::Label, .left = 6840, .top = 3120, .width = 495, .height = 255, .flags = Flag::Border},
        {.name = "Label25", .kind = Kind::Label, .left = 5880, .top = 3470, .width = 1455, .height = 255, .caption = "maximum value", .labelFor = "maxvalue"},
        {.name = "maxvalue", .kind = Kind::Label, .left = 5880, .top = 3720, .width = 975, .height = 255, .flags = Flag::Border | Flag::FitCaption},
        {.name = "multimax", .kind = Kind::Label, .left = 6840, .top = 3720, .width = 495, .height = 255, .flags = Flag::Border},
};
// clang-format on

// Brown already gives "kilo": the display has three digit places.
// clang-format off
const MultiplierRow kMultipliers[] = {
        {.item = "black"},
        {.item = "brown", .word = "kilo", .pointBeforeLastTwoDigits = true},
        {.item = "red", .word = "kilo", .pointBeforeLastDigit = true},
        {.item = "orange", .word = "kilo"},
        {.item = "yellow", .word = "mega", .pointBeforeLastTwoDigits = true},
        {.item = "green", .word = "mega", .pointBeforeLastDigit = true},
        {.item = "blue", .word = "mega"},
        {.item = "gold", .pointBeforeLastDigit = true},
        {.item = "silver", .pointBeforeLastTwoDigits = true},
};
// clang-format on

} // namespace

FiveBandDecoder::FiveBandDecoder()
    : Decoder(kWindow, kControls, core::DigitCount::Three, kBody, kMultipliers)
{
    bindBands(
            {{control<DropDownList>("band1"), control<Label>("Label17"), control<Label>("Label5")},
             {control<DropDownList>("band2"), control<Label>("Label16"), control<Label>("Label11")},
             {control<DropDownList>("band3"), control<Label>("Label32"),
              control<Label>("Label33")}},
            {control<DropDownList>("band4"), control<Label>("Label15")},
            {control<DropDownList>("band5"), control<Label>("Label14")});
}

} // namespace decoders
