#include "calculator/calculator.h"

#include "calculator/formulas.h"
#include "colourcode/numbertext.h"

namespace calculator {
namespace {

using namespace ui;

// clang-format off
const WindowDef kWindow{.caption = "Resistor/Capacitor Calculator", .width = 4605, .height = 3900, .border = Border::FixedSingle, .taskbarButton = true, .placement = Placement::CentreScreen};

const ControlDef kControls[] = {
        {.name = "Command1", .kind = Kind::CommandButton, .left = 360, .top = 0, .width = 1695, .height = 495, .caption = "series resistors", .tabIndex = 0},
        {.name = "Command2", .kind = Kind::CommandButton, .left = 2040, .top = 0, .width = 1695, .height = 495, .caption = "parallel resistors", .tabIndex = 1},
        {.name = "Command6", .kind = Kind::CommandButton, .left = 360, .top = 480, .width = 1695, .height = 495, .caption = "series capacitors", .tabIndex = 2},
        {.name = "Command5", .kind = Kind::CommandButton, .left = 2040, .top = 480, .width = 1695, .height = 495, .caption = "parallel capacitors", .tabIndex = 3},
        {.name = "val1", .kind = Kind::TextBox, .left = 720, .top = 1320, .width = 1575, .height = 285, .caption = "0", .tabIndex = 4},
        {.name = "val2", .kind = Kind::TextBox, .left = 720, .top = 1680, .width = 1575, .height = 285, .caption = "0", .tabIndex = 5},
        {.name = "Command4", .kind = Kind::CommandButton, .left = 360, .top = 2760, .width = 975, .height = 315, .caption = "clear", .tabIndex = 6},
        {.name = "Command3", .kind = Kind::CommandButton, .left = 120, .top = 3240, .width = 4455, .height = 375, .caption = "back to main screen", .tabIndex = 7},
        {.name = "Label1", .kind = Kind::Label, .left = 600, .top = 2040, .width = 1455, .height = 255, .flags = Flag::Border | Flag::FitCaption, .tabIndex = 8},
        {.name = "Label2", .kind = Kind::Label, .left = 0, .top = 1320, .width = 855, .height = 255, .caption = "value 1", .tabIndex = 9, .labelFor = "val1"},
        {.name = "Label4", .kind = Kind::Label, .left = 0, .top = 1680, .width = 855, .height = 255, .caption = "value 2", .tabIndex = 10, .labelFor = "val2"},
};
// clang-format on

} // namespace

Calculator::Calculator()
    : Screen(ScreenId::Calculator, kWindow, kControls)
{
    m_firstValue = control<TextBox>("val1");
    m_secondValue = control<TextBox>("val2");
    m_result = control<Label>("Label1");
    auto button = [this](const char *name) { return control<CommandButton>(name); };
    setResultControls({button("Command1"), button("Command2"), button("Command6"),
                       button("Command5"), m_firstValue, m_secondValue},
                      m_result);
    connect(button("Command1"), &CommandButton::clicked, this, &Calculator::Command1_Click);
    connect(button("Command2"), &CommandButton::clicked, this, &Calculator::Command2_Click);
    connect(button("Command3"), &CommandButton::clicked, this, &Calculator::Command3_Click);
    connect(button("Command4"), &CommandButton::clicked, this, &Calculator::Command4_Click);
    connect(button("Command5"), &CommandButton::clicked, this, &Calculator::Command5_Click);
    connect(button("Command6"), &CommandButton::clicked, this, &Calculator::Command6_Click);
}

void Calculator::show(std::optional<double> result)
{
    // A value that is not a number, or a formula that cannot be computed, leaves the result
    // as it was.
    if (result)
        m_result->setCaption(colourcode::toText(*result));
    offerResult(m_result->caption());
}

void Calculator::Command1_Click()
{
    show(sum(m_firstValue->text(), m_secondValue->text()));
}

void Calculator::Command5_Click()
{
    show(sum(m_firstValue->text(), m_secondValue->text()));
}

void Calculator::Command2_Click()
{
    show(reciprocal(m_firstValue->text(), m_secondValue->text()));
}

void Calculator::Command6_Click()
{
    show(reciprocal(m_firstValue->text(), m_secondValue->text()));
}

void Calculator::Command4_Click()
{
    m_firstValue->setText(QStringLiteral("0"));
    m_secondValue->setText(QStringLiteral("0"));
    m_result->setCaption(QString());
    offerResult(QString());
}

void Calculator::Command3_Click()
{
    backToMenu();
}

} // namespace calculator
