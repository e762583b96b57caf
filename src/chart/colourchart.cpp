// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "chart/colourchart.h"

#include "core/colour.h"

namespace chart {
namespace {

using namespace ui;
namespace cc = core;

// clang-format off
const WindowDef kWindow{.caption = "Colour Codes list", .width = 5340, .height = 6750, .border = Border::Sizable, .taskbarButton = true, .placement = Placement::CentreScreen};
// clang-format on

// The rules lie above the swatches, so the one between red and orange runs across them; every
// text in the table is transparent, so the rules stay visible across the wider captions.
// clang-format off
const ControlDef kControls[] = {
        {.name = "Command1", .kind = Kind::CommandButton, .left = 240, .top = 0, .width = 5055, .height = 315, .caption = "back to main screen", .tabIndex = 0, .role = Role::Back},
        {.name = "Picture1", .kind = Kind::PictureBox, .left = 1080, .top = 360, .width = 2480, .height = 925, .caption = ":/art/chart-four.png", .tabIndex = 61, .accessibleName = "four-band example: yellow body, bands brown, black, red, gold"},
        {.name = "Picture2", .kind = Kind::PictureBox, .left = 1200, .top = 5760, .width = 2480, .height = 925, .caption = ":/art/chart-five.png", .tabIndex = 62, .accessibleName = "five-band example: dark blue body, bands brown, black, black, brown, brown"},
        {.name = "Line1", .kind = Kind::Line, .left = 1080, .top = 2520, .width = 5040, .height = 2520},
        {.name = "Line2", .kind = Kind::Line, .left = 360, .top = 2760, .width = 5040, .height = 2760},
        {.name = "Line3", .kind = Kind::Line, .left = 1080, .top = 4680, .width = 5040, .height = 4680},
        {.name = "Line4", .kind = Kind::Line, .left = 1080, .top = 3000, .width = 5040, .height = 3000},
        {.name = "Line5", .kind = Kind::Line, .left = 1080, .top = 3240, .width = 5040, .height = 3240},
        {.name = "Line6", .kind = Kind::Line, .left = 1080, .top = 3480, .width = 5040, .height = 3480},
        {.name = "Line7", .kind = Kind::Line, .left = 1080, .top = 3720, .width = 5040, .height = 3720},
        {.name = "Line8", .kind = Kind::Line, .left = 1080, .top = 3960, .width = 5040, .height = 3960},
        {.name = "Line9", .kind = Kind::Line, .left = 1080, .top = 4200, .width = 5040, .height = 4200},
        {.name = "Line10", .kind = Kind::Line, .left = 1080, .top = 4440, .width = 5040, .height = 4440},
        {.name = "Line11", .kind = Kind::Line, .left = 960, .top = 2280, .width = 5040, .height = 2280},
        {.name = "Line12", .kind = Kind::Line, .left = 1680, .top = 1800, .width = 1680, .height = 5400},
        {.name = "Line13", .kind = Kind::Line, .left = 2985, .top = 1800, .width = 2985, .height = 5400},
        {.name = "Line14", .kind = Kind::Line, .left = 4290, .top = 1800, .width = 4290, .height = 5400},
        {.name = "Line15", .kind = Kind::Line, .left = 5040, .top = 1800, .width = 5040, .height = 5400},
        {.name = "Line16", .kind = Kind::Line, .left = 5040, .top = 4920, .width = 1080, .height = 4920},
        {.name = "Line17", .kind = Kind::Line, .left = 1080, .top = 5160, .width = 5040, .height = 5160},
        {.name = "Line18", .kind = Kind::Line, .left = 360, .top = 5400, .width = 5040, .height = 5400},
        {.name = "Line19", .kind = Kind::Line, .left = 360, .top = 1800, .width = 360, .height = 5400},
        {.name = "Line20", .kind = Kind::Line, .left = 5040, .top = 1800, .width = 360, .height = 1800},
        {.name = "Line21", .kind = Kind::Line, .left = 1080, .top = 5400, .width = 1080, .height = 1800},
        {.name = "Line22", .kind = Kind::Line, .left = 2385, .top = 1800, .width = 2385, .height = 5400},
        {.name = "Line23", .kind = Kind::Line, .left = 1440, .top = 1800, .width = 1800, .height = 1320},
        {.name = "Line24", .kind = Kind::Line, .left = 2280, .top = 1800, .width = 2160, .height = 1080},
        {.name = "Line25", .kind = Kind::Line, .left = 2400, .top = 1200, .width = 3120, .height = 1800},
        {.name = "Line26", .kind = Kind::Line, .left = 2880, .top = 1320, .width = 4560, .height = 1800},
        {.name = "Line27", .kind = Kind::Line, .left = 1440, .top = 5400, .width = 1920, .height = 5760},
        {.name = "Line28", .kind = Kind::Line, .left = 2235, .top = 5400, .width = 2235, .height = 5760},
        {.name = "Line29", .kind = Kind::Line, .left = 2430, .top = 5760, .width = 2640, .height = 5400},
        {.name = "Line30", .kind = Kind::Line, .left = 2670, .top = 5760, .width = 3140, .height = 5400},
        {.name = "Line31", .kind = Kind::Line, .left = 2950, .top = 5760, .width = 4680, .height = 5400},
        {.name = "Label64", .kind = Kind::Label, .left = 3720, .top = 480, .width = 975, .height = 615, .caption = "1 Kilo ohm (1000 ohms)"},
        {.name = "Label1", .kind = Kind::Label, .left = 375, .top = 1800, .width = 735, .height = 255, .caption = "Colour"},
        {.name = "Label2", .kind = Kind::Label, .left = 1095, .top = 1800, .width = 4080, .height = 255, .caption = "digit 1    digit 2       digit 3", .flags = Flag::Transparent},
        {.name = "Label13", .kind = Kind::Label, .left = 3000, .top = 1800, .width = 1080, .height = 255, .caption = "Multiplier", .flags = Flag::Transparent},
        // "tolerence" as it always read: what users see.
        {.name = "Label48", .kind = Kind::Label, .left = 4305, .top = 1920, .width = 735, .height = 255, .caption = "tolerence", .flags = Flag::Transparent},
        {.name = "Label3", .kind = Kind::Label, .left = 360, .top = 2280, .width = 735, .height = 255, .caption = "black", .backColour = cc::rgb(0, 0, 0), .foreColour = cc::kWhite},
        {.name = "Label14", .kind = Kind::Label, .left = 1680, .top = 2280, .width = 495, .height = 255, .caption = "0", .flags = Flag::Transparent},
        {.name = "Label61", .kind = Kind::Label, .left = 2400, .top = 2280, .width = 495, .height = 255, .caption = "0", .flags = Flag::Transparent},
        {.name = "Label15", .kind = Kind::Label, .left = 3000, .top = 2280, .width = 735, .height = 255, .caption = "x1", .flags = Flag::Transparent},
        {.name = "Label4", .kind = Kind::Label, .left = 360, .top = 2520, .width = 735, .height = 255, .caption = "brown", .backColour = cc::rgb(128, 64, 64), .foreColour = cc::kWhite},
        {.name = "Label19", .kind = Kind::Label, .left = 1095, .top = 2520, .width = 735, .height = 255, .caption = "1", .flags = Flag::Transparent},
        {.name = "Label20", .kind = Kind::Label, .left = 1680, .top = 2520, .width = 735, .height = 255, .caption = "1", .flags = Flag::Transparent},
        {.name = "Label60", .kind = Kind::Label, .left = 2400, .top = 2520, .width = 735, .height = 255, .caption = "1", .flags = Flag::Transparent},
        {.name = "Label21", .kind = Kind::Label, .left = 3000, .top = 2520, .width = 735, .height = 255, .caption = "x10", .flags = Flag::Transparent},
        {.name = "Label22", .kind = Kind::Label, .left = 4305, .top = 2520, .width = 735, .height = 255, .caption = "1% tol.", .flags = Flag::Transparent},
        {.name = "Label5", .kind = Kind::Label, .left = 360, .top = 2760, .width = 735, .height = 255, .caption = "red", .backColour = cc::rgb(255, 0, 0), .foreColour = cc::kWhite},
        {.name = "Label23", .kind = Kind::Label, .left = 1095, .top = 2760, .width = 735, .height = 255, .caption = "2", .flags = Flag::Transparent},
        {.name = "Label24", .kind = Kind::Label, .left = 1680, .top = 2760, .width = 735, .height = 255, .caption = "2", .flags = Flag::Transparent},
        {.name = "Label59", .kind = Kind::Label, .left = 2400, .top = 2760, .width = 735, .height = 255, .caption = "2", .flags = Flag::Transparent},
        {.name = "Label25", .kind = Kind::Label, .left = 3000, .top = 2760, .width = 735, .height = 255, .caption = "x100", .flags = Flag::Transparent},
        {.name = "Label30", .kind = Kind::Label, .left = 4305, .top = 2760, .width = 735, .height = 255, .caption = "2% tol", .flags = Flag::Transparent},
        {.name = "Label6", .kind = Kind::Label, .left = 360, .top = 3000, .width = 735, .height = 255, .caption = "orange", .backColour = cc::rgb(255, 128, 0), .foreColour = cc::kWhite},
        {.name = "Label26", .kind = Kind::Label, .left = 1095, .top = 3000, .width = 735, .height = 255, .caption = "3", .flags = Flag::Transparent},
        {.name = "Label27", .kind = Kind::Label, .left = 1680, .top = 3000, .width = 735, .height = 255, .caption = "3", .flags = Flag::Transparent},
        {.name = "Label58", .kind = Kind::Label, .left = 2400, .top = 3000, .width = 735, .height = 255, .caption = "3", .flags = Flag::Transparent},
        {.name = "Label29", .kind = Kind::Label, .left = 3000, .top = 3000, .width = 735, .height = 255, .caption = "x1000", .flags = Flag::Transparent},
        {.name = "Label7", .kind = Kind::Label, .left = 360, .top = 3240, .width = 735, .height = 255, .caption = "yellow", .backColour = cc::rgb(255, 255, 0), .foreColour = cc::rgb(0, 0, 0)},
        {.name = "Label28", .kind = Kind::Label, .left = 1095, .top = 3240, .width = 735, .height = 255, .caption = "4", .flags = Flag::Transparent},
        {.name = "Label31", .kind = Kind::Label, .left = 1680, .top = 3240, .width = 615, .height = 255, .caption = "4", .flags = Flag::Transparent},
        {.name = "Label57", .kind = Kind::Label, .left = 2400, .top = 3240, .width = 615, .height = 255, .caption = "4", .flags = Flag::Transparent},
        {.name = "Label32", .kind = Kind::Label, .left = 3000, .top = 3240, .width = 735, .height = 255, .caption = "x10000", .flags = Flag::Transparent},
        {.name = "Label8", .kind = Kind::Label, .left = 360, .top = 3480, .width = 735, .height = 255, .caption = "green", .backColour = cc::rgb(0, 192, 0), .foreColour = cc::kWhite},
        {.name = "Label33", .kind = Kind::Label, .left = 1095, .top = 3480, .width = 735, .height = 255, .caption = "5", .flags = Flag::Transparent},
        {.name = "Label34", .kind = Kind::Label, .left = 1680, .top = 3480, .width = 615, .height = 255, .caption = "5", .flags = Flag::Transparent},
        {.name = "Label56", .kind = Kind::Label, .left = 2400, .top = 3480, .width = 615, .height = 255, .caption = "5", .flags = Flag::Transparent},
        {.name = "Label35", .kind = Kind::Label, .left = 3000, .top = 3480, .width = 735, .height = 255, .caption = "x100000", .flags = Flag::Transparent},
        {.name = "Label9", .kind = Kind::Label, .left = 360, .top = 3720, .width = 735, .height = 255, .caption = "blue", .backColour = cc::rgb(0, 0, 192), .foreColour = cc::kWhite},
        {.name = "Label36", .kind = Kind::Label, .left = 1095, .top = 3720, .width = 735, .height = 255, .caption = "6", .flags = Flag::Transparent},
        {.name = "Label37", .kind = Kind::Label, .left = 1680, .top = 3720, .width = 615, .height = 255, .caption = "6", .flags = Flag::Transparent},
        {.name = "Label55", .kind = Kind::Label, .left = 2400, .top = 3720, .width = 615, .height = 255, .caption = "6", .flags = Flag::Transparent},
        {.name = "Label38", .kind = Kind::Label, .left = 3000, .top = 3720, .width = 735, .height = 255, .caption = "x1000000", .flags = Flag::Transparent},
        {.name = "Label10", .kind = Kind::Label, .left = 360, .top = 3960, .width = 735, .height = 255, .caption = "purple", .backColour = cc::rgb(128, 0, 128), .foreColour = cc::kWhite},
        {.name = "Label51", .kind = Kind::Label, .left = 1095, .top = 3960, .width = 495, .height = 255, .caption = "7     ", .flags = Flag::Transparent},
        {.name = "Label39", .kind = Kind::Label, .left = 1680, .top = 3960, .width = 735, .height = 255, .caption = "7", .flags = Flag::Transparent},
        {.name = "Label54", .kind = Kind::Label, .left = 2400, .top = 3960, .width = 735, .height = 255, .caption = "7", .flags = Flag::Transparent},
        {.name = "Label11", .kind = Kind::Label, .left = 360, .top = 4200, .width = 735, .height = 255, .caption = "grey", .backColour = cc::rgb(64, 64, 64), .foreColour = cc::kWhite},
        {.name = "Label40", .kind = Kind::Label, .left = 1095, .top = 4200, .width = 600, .height = 255, .caption = "8       ", .flags = Flag::Transparent},
        {.name = "Label52", .kind = Kind::Label, .left = 1680, .top = 4200, .width = 600, .height = 255, .caption = "8       ", .flags = Flag::Transparent},
        {.name = "Label62", .kind = Kind::Label, .left = 2400, .top = 4200, .width = 600, .height = 255, .caption = "8       ", .flags = Flag::Transparent},
        {.name = "Label12", .kind = Kind::Label, .left = 360, .top = 4440, .width = 735, .height = 255, .caption = "white", .backColour = cc::kWhite, .foreColour = cc::rgb(0, 0, 0)},
        {.name = "Label42", .kind = Kind::Label, .left = 1095, .top = 4440, .width = 480, .height = 255, .caption = "9   ", .flags = Flag::Transparent},
        {.name = "Label53", .kind = Kind::Label, .left = 1680, .top = 4440, .width = 480, .height = 255, .caption = "9   ", .flags = Flag::Transparent},
        {.name = "Label63", .kind = Kind::Label, .left = 2400, .top = 4440, .width = 480, .height = 255, .caption = "9   ", .flags = Flag::Transparent},
        {.name = "Label16", .kind = Kind::Label, .left = 360, .top = 4680, .width = 735, .height = 255, .caption = "gold", .backColour = cc::rgb(192, 192, 0)},
        {.name = "Label43", .kind = Kind::Label, .left = 3000, .top = 4680, .width = 1815, .height = 255, .caption = "x0.1", .flags = Flag::Transparent},
        {.name = "Label49", .kind = Kind::Label, .left = 4305, .top = 4680, .width = 855, .height = 255, .caption = "5% tol.", .flags = Flag::Transparent},
        {.name = "Label17", .kind = Kind::Label, .left = 360, .top = 4920, .width = 735, .height = 255, .caption = "silver", .backColour = cc::rgb(176, 176, 176), .foreColour = kScheme3DHighlight},
        {.name = "Label44", .kind = Kind::Label, .left = 3000, .top = 4920, .width = 1935, .height = 255, .caption = "x0.01", .flags = Flag::Transparent},
        {.name = "Label50", .kind = Kind::Label, .left = 4305, .top = 4920, .width = 855, .height = 255, .caption = "10% tol", .flags = Flag::Transparent},
        {.name = "Label18", .kind = Kind::Label, .left = 360, .top = 5160, .width = 735, .height = 255, .caption = "no band", .backColour = cc::rgb(255, 255, 192)},
        {.name = "Label45", .kind = Kind::Label, .left = 4305, .top = 5160, .width = 735, .height = 255, .caption = "20% tol", .flags = Flag::Transparent},
        {.name = "Label65", .kind = Kind::Label, .left = 3840, .top = 5880, .width = 975, .height = 615, .caption = "1 Kilo ohm (1000 ohms)"},
};
// clang-format on

} // namespace

ColourChart::ColourChart()
    : Screen(kWindow, kControls)
{
    connect(bound<CommandButton>(Role::Back), &CommandButton::clicked, this,
            &ColourChart::leaveRequested);
}

} // namespace chart
