// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/screen.h"

#include <optional>

namespace calculator {

// Two resistors or capacitors in series or in parallel.
class Calculator : public ui::Screen
{
    Q_OBJECT
public:
    Calculator();

private slots:
    void computeSeriesResistors();
    void computeParallelResistors();
    void computeSeriesCapacitors();
    void computeParallelCapacitors();
    void clearAll();

private:
    // A formula that gives no result shows none: the last one would read as the answer to the
    // values now in the boxes.
    void showResult(std::optional<double> result);

    ui::TextBox *m_firstValue = nullptr;
    ui::TextBox *m_secondValue = nullptr;
    ui::Label *m_resultBox = nullptr;
    QString m_result;
};

} // namespace calculator
