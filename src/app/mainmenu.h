// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include "app/screenid.h"
#include "ui/screen.h"

namespace app {

// The main menu, from which every tool screen opens and the program ends.
class MainMenu : public ui::Screen
{
    Q_OBJECT
public:
    MainMenu();

signals:
    void openRequested(app::ScreenId screen);
};

} // namespace app
