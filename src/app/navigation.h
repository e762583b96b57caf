// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include "app/screenid.h"

#include <chrono>
#include <functional>

namespace ui {
class Screen;
}

// The screens and the four ways of moving between them. A screen has one instance while it is
// loaded; unloading destroys it, and the next load starts again from its design values.
namespace app::navigation {

ui::Screen *screen(ScreenId id); // nullptr while not loaded
ui::Screen *load(ScreenId id); // loads it hidden, if not loaded
void show(ScreenId id); // loads it first if need be
// Hidden at once; deleted at the next turn of the event loop, or once hiddenFor has passed.
void unload(ScreenId id, std::chrono::milliseconds hiddenFor = {});
void end();

// What end() does; the program exits with status 0, tests watch instead.
void setEndAction(std::function<void()> action);

void backToMenu(ScreenId id);
void leaveSplash();
void quit();

} // namespace app::navigation
