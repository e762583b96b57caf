// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/screen.h"

namespace app {

// The splash screen, left by a click or a key that types a character.
class SplashScreen : public ui::Screen
{
    Q_OBJECT
public:
    SplashScreen();

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace app
