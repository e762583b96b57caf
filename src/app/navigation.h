// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

#include "app/screenid.h"

#include <QPointer>

#include <chrono>
#include <functional>
#include <vector>

namespace ui {
class Screen;
}

namespace app {

// The screens and the four ways of moving between them. A screen has one instance while it is
// loaded; unloading destroys it, and the next load starts again from its design values.
class Navigation
{
public:
    Navigation();
    ~Navigation();
    Navigation(const Navigation &) = delete;
    Navigation &operator=(const Navigation &) = delete;

    ui::Screen *screen(ScreenId id) const; // nullptr while not loaded
    ui::Screen *load(ScreenId id); // loads it hidden, if not loaded
    void show(ScreenId id); // loads it first if need be
    // Hidden at once; deleted at the next turn of the event loop, or once hiddenFor has passed.
    void unload(ScreenId id, std::chrono::milliseconds hiddenFor = {});

    // What the end does; the program exits with status 0, tests watch instead.
    void setEndAction(std::function<void()> action) { m_endAction = std::move(action); }

    void backToMenu(ScreenId id);
    void leaveSplash();
    void quit();

private:
    void follow(ui::Screen *s, ScreenId id);

    std::vector<QPointer<ui::Screen>> m_loaded; // by ScreenId
    // Unloaded screens kept a while, hidden: gone at the end whatever their time.
    std::vector<QPointer<ui::Screen>> m_keptHidden;
    std::function<void()> m_endAction;
};

} // namespace app
