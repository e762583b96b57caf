#include "decoders/fivebanddecoder.h"

namespace decoders {
namespace {

using namespace ui;
namespace cc = colourcode;

constexpr quint32 kBody = cc::kFiveBandBody;

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

        {.name = "Label26", .kind = Kind::Label, .left = 480, .top = 4680, .width = 3255, .height = 375, .flags = Flag::Hidden},
        {.name = "Label27", .kind = Kind::Label, .left = 4080, .top = 5160, .width = 615, .height = 255, .flags = Flag::Hidden},
        {.name = "Label28", .kind = Kind::Label, .left = 4920, .top = 5160, .width = 2175, .height = 255, .flags = Flag::Hidden},
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
    : Decoder(ScreenId::FiveBandDecoder, kWindow, kControls, 3, kBody)
{
    m_firstBand = control<DropDownList>("band1");
    m_secondBand = control<DropDownList>("band2");
    m_thirdBand = control<DropDownList>("band3");
    m_multiplierBand = control<DropDownList>("band4");
    m_toleranceBand = control<DropDownList>("band5");
    m_firstBandPaint = control<Label>("Label17");
    m_secondBandPaint = control<Label>("Label16");
    m_thirdBandPaint = control<Label>("Label32");

    setResultControls({m_firstBand, m_secondBand, m_thirdBand, m_multiplierBand, m_toleranceBand},
                      m_firstDigitText);

    connect(m_firstBand, &DropDownList::clicked, this, &FiveBandDecoder::band1_Click);
    connect(m_secondBand, &DropDownList::clicked, this, &FiveBandDecoder::band2_Click);
    connect(m_thirdBand, &DropDownList::clicked, this, &FiveBandDecoder::band3_Click);
    connect(m_multiplierBand, &DropDownList::clicked, this, &FiveBandDecoder::band4_Click);
    connect(m_toleranceBand, &DropDownList::clicked, this, &FiveBandDecoder::band5_Click);
    connect(timer("Timer1"), &Timer::ticked, this, &FiveBandDecoder::Timer1_Timer);
    connect(control<CommandButton>("Command1"), &CommandButton::clicked, this,
            &FiveBandDecoder::Command1_Click);
}

void FiveBandDecoder::band1_Click()
{
    paintDigit(m_firstBand, m_firstDigitText, m_firstBandPaint, Zero::Refused);
}

void FiveBandDecoder::band2_Click()
{
    paintDigit(m_secondBand, m_secondDigitText, m_secondBandPaint, Zero::Allowed);
}

void FiveBandDecoder::band3_Click()
{
    paintDigit(m_thirdBand, m_thirdDigitText, m_thirdBandPaint, Zero::Allowed);
}

void FiveBandDecoder::band4_Click()
{
    paintMultiplier(m_multiplierBand, kMultipliers);
}

void FiveBandDecoder::band5_Click()
{
    paintTolerance(m_toleranceBand);
}

void FiveBandDecoder::Timer1_Timer()
{
    computeRange(m_multiplierBand, m_toleranceBand);
}

void FiveBandDecoder::Command1_Click()
{
    back();
}

} // namespace decoders
