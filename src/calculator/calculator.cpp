// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "calculator/calculator.h"

#include "core/numbertext.h"
#include "core/seriesparallel.h"

namespace calculator {
namespace {

using namespace ui;

// clang-format off
const WindowDef kWindow{.caption = "Resistor/Capacitor Calculator", .width = 4605, .height = 3900, .border = Border::FixedSingle, .taskbarButton = true, .placement = Placement::CentreScreen};

const ControlDef kControls[] = {
        {.name = "Command1", .kind = Kind::CommandButton, .left = 360, .top = 0, .width = 1695, .height = 495, .caption = "series resistors", .tabIndex = 0, .role = Role::SeriesResistors},
        {.name = "Command2", .kind = Kind::CommandButton, .left = 2040, .top = 0, .width = 1695, .height = 495, .caption = "parallel resistors", .tabIndex = 1, .role = Role::ParallelResistors},
        {.name = "Command6", .kind = Kind::CommandButton, .left = 360, .top = 480, .width = 1695, .height = 495, .caption = "series capacitors", .tabIndex = 2, .role = Role::SeriesCapacitors},
        {.name = "Command5", .kind = Kind::CommandButton, .left = 2040, .top = 480, .width = 1695, .height = 495, .caption = "parallel capacitors", .tabIndex = 3, .role = Role::ParallelCapacitors},
        {.name = "val1", .kind = Kind::TextBox, .left = 720, .top = 1320, .width = 1575, .height = 285, .caption = "0", .tabIndex = 4, .role = Role::FirstValue},
        {.name = "val2", .kind = Kind::TextBox, .left = 720, .top = 1680, .width = 1575, .height = 285, .caption = "0", .tabIndex = 5, .role = Role::SecondValue},
        {.name = "Command4", .kind = Kind::CommandButton, .left = 360, .top = 2760, .width = 975, .height = 315, .caption = "clear", .tabIndex = 6, .role = Role::Clear},
        {.name = "Command3", .kind = Kind::CommandButton, .left = 120, .top = 3240, .width = 4455, .height = 375, .caption = "back to main screen", .tabIndex = 7, .role = Role::Back},
        {.name = "Label1", .kind = Kind::Label, .left = 600, .top = 2040, .width = 1455, .height = 255, .flags = Flag::Border | Flag::FitCaption, .tabIndex = 8, .role = Role::Result},
        {.name = "Label2", .kind = Kind::Label, .left = 0, .top = 1320, .width = 855, .height = 255, .caption = "value 1", .tabIndex = 9, .labelFor = "val1"},
        {.name = "Label4", .kind = Kind::Label, .left = 0, .top = 1680, .width = 855, .height = 255, .caption = "value 2", .tabIndex = 10, .labelFor = "val2"},
};
// clang-format on

} // namespace

Calculator::Calculator()
    : Screen(kWindow, kControls)
{
    m_firstValue = bound<TextBox>(Role::FirstValue);
    m_secondValue = bound<TextBox>(Role::SecondValue);
    m_resultBox = bound<Label>(Role::Result);
    auto *seriesResistors = bound<CommandButton>(Role::SeriesResistors);
    auto *parallelResistors = bound<CommandButton>(Role::ParallelResistors);
    auto *seriesCapacitors = bound<CommandButton>(Role::SeriesCapacitors);
    auto *parallelCapacitors = bound<CommandButton>(Role::ParallelCapacitors);
    connect(seriesResistors, &CommandButton::clicked, this, &Calculator::computeSeriesResistors);
    connect(parallelResistors, &CommandButton::clicked, this,
            &Calculator::computeParallelResistors);
    connect(seriesCapacitors, &CommandButton::clicked, this, &Calculator::computeSeriesCapacitors);
    connect(parallelCapacitors, &CommandButton::clicked, this,
            &Calculator::computeParallelCapacitors);
    connect(bound<CommandButton>(Role::Clear), &CommandButton::clicked, this,
            &Calculator::clearAll);
    connect(bound<CommandButton>(Role::Back), &CommandButton::clicked, this,
            &Calculator::leaveRequested);
    setResultControls({seriesResistors, parallelResistors, seriesCapacitors, parallelCapacitors,
                       m_firstValue, m_secondValue},
                      m_resultBox);
}

void Calculator::showResult(std::optional<double> result)
{
    m_result = result ? core::toText(*result) : QString();
    m_resultBox->setCaption(m_result);
    offerResult(m_result);
}

void Calculator::computeSeriesResistors()
{
    showResult(core::sum(m_firstValue->text(), m_secondValue->text()));
}

void Calculator::computeParallelCapacitors()
{
    showResult(core::sum(m_firstValue->text(), m_secondValue->text()));
}

void Calculator::computeParallelResistors()
{
    showResult(core::reciprocal(m_firstValue->text(), m_secondValue->text()));
}

void Calculator::computeSeriesCapacitors()
{
    showResult(core::reciprocal(m_firstValue->text(), m_secondValue->text()));
}

void Calculator::clearAll()
{
    m_firstValue->setText(QStringLiteral("0"));
    m_secondValue->setText(QStringLiteral("0"));
    m_result.clear();
    m_resultBox->setCaption(m_result);
    offerResult(m_result);
}

} // namespace calculator
