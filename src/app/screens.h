// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include "app/screenid.h"

#include <span>

namespace ui {
class Screen;
}

namespace app {

// What a screen's request to be left means.
enum class Leaving {
    Splash, // the splash gives way to the menu
    Quit, // the menu ends the program
    BackToMenu, // a tool screen closes, the menu shows
};

struct ScreenEntry
{
    ScreenId id;
    const char *objectName; // the design's name of the screen
    Leaving leaving;
    ui::Screen *(*create)();
};

// Every screen of the program, in the order of ScreenId.
std::span<const ScreenEntry> screens();

} // namespace app
