// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/screen.h"

namespace chart {

// The colour code chart, a static reference card with two worked examples.
class ColourChart : public ui::Screen
{
    Q_OBJECT
public:
    ColourChart();
};

} // namespace chart
