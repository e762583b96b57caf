#include "encoders/fourbandencoder.h"

namespace encoders {
namespace {

using namespace ui;
namespace cc = colourcode;

constexpr quint32 kBody = cc::kFourBandBody;

const char *const kLeadingPoint[] = {" ", "."};
const char *const kFirstDigit[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
const char *const kPointOrLetter[] = {" ", ".", "k", "M"};
const char *const kDigit[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
const char *const kUnits[] = {" ohm", "0 ohm", " Kohm", "0 Kohm", " Mohm"};
const char *const kTolerances[] = {"1%", "2%", "5%", "10%", "20%"};

// clang-format off
const WindowDef kWindow{.caption = "Value to Colours", .width = 6840, .height = 4035, .border = Border::FixedSingle, .taskbarButton = true, .placement = Placement::CentreScreen};
// clang-format on

// The lines lie on top of the drawing, in which the body pieces cover the bands' edges. Each
// colour name lies on top of the one to its left, whose end it overlaps.
// clang-format off
const ControlDef kControls[] = {
        {.name = "Command2", .kind = Kind::CommandButton, .left = 1200, .top = 120, .width = 2655, .height = 315, .caption = "back to main window", .tabIndex = 8},
        {.name = "Combo2", .kind = Kind::DropDownList, .left = 240, .top = 1080, .width = 510, .height = 315, .tabIndex = 0, .items = kLeadingPoint, .accessibleName = "decimal point in front"},
        {.name = "number1", .kind = Kind::DropDownList, .left = 720, .top = 1080, .width = 495, .height = 315, .tabIndex = 1, .items = kFirstDigit, .accessibleName = "1st digit"},
        {.name = "combo1", .kind = Kind::DropDownList, .left = 1200, .top = 1080, .width = 495, .height = 315, .tabIndex = 2, .items = kPointOrLetter, .accessibleName = "decimal point or letter"},
        {.name = "number2", .kind = Kind::DropDownList, .left = 1680, .top = 1080, .width = 495, .height = 315, .tabIndex = 3, .items = kDigit, .accessibleName = "2nd digit"},
        {.name = "number3", .kind = Kind::DropDownList, .left = 2280, .top = 1080, .width = 975, .height = 315, .tabIndex = 4, .items = kUnits, .accessibleName = "unit"},
        {.name = "tolerance", .kind = Kind::DropDownList, .left = 3240, .top = 1080, .width = 735, .height = 315, .tabIndex = 5, .items = kTolerances, .accessibleName = "tolerance"},
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
        {.name = "Label18", .kind = Kind::Label, .left = 1560, .top = 3600, .width = 1815, .height = 255, .flags = Flag::Hidden},
        {.name = "Label19", .kind = Kind::Label, .left = 3840, .top = 3480, .width = 975, .height = 255, .flags = Flag::Hidden},
        {.name = "Label28", .kind = Kind::Label, .left = 5160, .top = 3360, .width = 975, .height = 255, .flags = Flag::Hidden},
};

const UnitRow kUnitBands[] = {
        {" ohm", cc::rgb(0, 0, 0), "Black"},
        {"0 ohm", cc::rgb(128, 64, 64), "Brown"},
        {" Kohm", cc::rgb(255, 128, 1), "Orange"},
        {"0 Kohm", cc::rgb(255, 255, 1), "Yellow"},
        {" Mohm", cc::rgb(0, 0, 255), "blue"},
};
// clang-format on

// The green multiplier here is (0,255,0), and the silver one is named in lower case.
const PointRow kBetweenDigits[] = {
        {.item = ".", .lock = true, .colour = cc::rgb(192, 192, 1), .name = "Gold"},
        {.item = " ", .lock = false, .colour = kBody, .name = ""},
        {.item = "k", .lock = true, .colour = cc::rgb(255, 0, 0), .name = "Red"},
        {.item = "M", .lock = true, .colour = cc::rgb(0, 255, 0), .name = "Green"},
};
const PointRow kInFront[] = {
        {.item = ".", .lock = true, .colour = cc::rgb(176, 176, 176), .name = "silver"},
        {.item = " ", .lock = false, .colour = kBody, .name = ""},
};

} // namespace

FourBandEncoder::FourBandEncoder()
    : Encoder(ScreenId::FourBandEncoder, kWindow, kControls, kBody)
{
    m_pointInFront = control<DropDownList>("Combo2");
    m_firstDigit = control<DropDownList>("number1");
    m_pointOrLetter = control<DropDownList>("combo1");
    m_secondDigit = control<DropDownList>("number2");
    m_unit = control<DropDownList>("number3");
    m_tolerance = control<DropDownList>("tolerance");
    m_unitBandTimer = timer("Timer2");
    m_firstBandPaint = control<Label>("Label1");
    m_secondBandPaint = control<Label>("Label2");
    m_multiplierBandPaint = control<Label>("Label3");
    m_toleranceBandPaint = control<Label>("Label4");
    m_firstBandName = control<Label>("Label11");
    m_secondBandName = control<Label>("Label12");
    m_multiplierBandName = control<Label>("Label13");
    m_toleranceBandName = control<Label>("Label14");
    m_bandNames = {m_firstBandName, m_secondBandName, m_multiplierBandName, m_toleranceBandName};

    setResultControls(
            {m_pointInFront, m_firstDigit, m_pointOrLetter, m_secondDigit, m_unit, m_tolerance},
            m_valueLine);

    connect(m_firstDigit, &DropDownList::clicked, this, &FourBandEncoder::number1_Click);
    connect(m_secondDigit, &DropDownList::clicked, this, &FourBandEncoder::number2_Click);
    connect(m_pointOrLetter, &DropDownList::clicked, this, &FourBandEncoder::combo1_Click);
    connect(m_pointInFront, &DropDownList::clicked, this, &FourBandEncoder::Combo2_Click);
    connect(m_tolerance, &DropDownList::clicked, this, &FourBandEncoder::tolerance_Click);
    connect(timer("Timer1"), &Timer::ticked, this, &FourBandEncoder::Timer1_Timer);
    connect(m_unitBandTimer, &Timer::ticked, this, &FourBandEncoder::Timer2_Timer);
    connect(timer("Timer3"), &Timer::ticked, this, &FourBandEncoder::Timer3_Timer);
    connect(control<CommandButton>("Command2"), &CommandButton::clicked, this,
            &FourBandEncoder::Command2_Click);
    Form_Load();
}

void FourBandEncoder::Form_Load()
{
    m_unitBandTimer->setEnabled(true);
}

void FourBandEncoder::number1_Click()
{
    paintDigit(m_firstDigit, m_firstBandPaint, m_firstBandName);
}

void FourBandEncoder::number2_Click()
{
    paintDigit(m_secondDigit, m_secondBandPaint, m_secondBandName);
}

void FourBandEncoder::choosePoint(DropDownList *chooser, DropDownList *other,
                                  std::span<const PointRow> rows)
{
    const PointRow *row = pointRow(chooser, rows);
    if (!row)
        return;
    // A point or a letter decides band 3 by itself: the unit list keeps its choice but is
    // locked, and so is the other chooser.
    m_unitBandTimer->setEnabled(!row->lock);
    other->setEnabled(!row->lock);
    m_unit->setEnabled(!row->lock);
    paintBand(m_multiplierBandPaint, m_multiplierBandName, row->colour, row->name);
}

void FourBandEncoder::combo1_Click()
{
    choosePoint(m_pointOrLetter, m_pointInFront, kBetweenDigits);
}

void FourBandEncoder::Combo2_Click()
{
    choosePoint(m_pointInFront, m_pointOrLetter, kInFront);
}

void FourBandEncoder::tolerance_Click()
{
    paintTolerance(m_tolerance, m_toleranceBandPaint, m_toleranceBandName);
}

FourBandChoice FourBandEncoder::choice() const
{
    return {.pointInFront = m_pointInFront->text(),
            .firstDigit = m_firstDigit->text(),
            .pointOrLetter = m_pointOrLetter->text(),
            .secondDigit = m_secondDigit->text(),
            .unit = m_unit->text(),
            .tolerance = m_tolerance->text()};
}

void FourBandEncoder::Timer1_Timer()
{
    m_valueLine->setCaption(fourBandValueText(choice()));
    // After the range, which its 1 ms timer computes at once: one announcement a choice.
    offerResult(resultText());
}

void FourBandEncoder::Timer2_Timer()
{
    paintUnit(m_unit, kUnitBands, m_multiplierBandPaint, m_multiplierBandName);
}

void FourBandEncoder::Timer3_Timer()
{
    computeRange([this](EncoderTexts &t) { fourBandRangeTick(choice(), t); });
}

void FourBandEncoder::Command2_Click()
{
    back();
}

} // namespace encoders
