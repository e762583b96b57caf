// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "app/navigation.h"

#include "app/mainmenu.h"
#include "app/screens.h"
#include "ui/desktop.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <utility>
#include <vector>

namespace app::navigation {
namespace {

// The loaded screens, by ScreenId.
std::vector<QPointer<ui::Screen>> &loaded()
{
    static std::vector<QPointer<ui::Screen>> s(screens().size());
    return s;
}

std::function<void()> &endAction()
{
    static std::function<void()> action = [] { QCoreApplication::exit(0); };
    return action;
}

// Unloaded screens kept a while, hidden: gone at the end whatever their time.
std::vector<QPointer<ui::Screen>> &keptHidden()
{
    static std::vector<QPointer<ui::Screen>> s;
    return s;
}

// What the screen's requests lead to.
void follow(ui::Screen *s, const ScreenEntry &entry)
{
    const ScreenId id = entry.id;
    switch (entry.leaving) {
    case Leaving::Splash:
        QObject::connect(s, &ui::Screen::leaveRequested, s, leaveSplash);
        break;
    case Leaving::Quit:
        QObject::connect(s, &ui::Screen::leaveRequested, s, quit);
        break;
    case Leaving::BackToMenu:
        QObject::connect(s, &ui::Screen::leaveRequested, s, [id] { backToMenu(id); });
        break;
    }
    if (auto *menu = qobject_cast<MainMenu *>(s))
        QObject::connect(menu, &MainMenu::openRequested, menu, show);
}

} // namespace

ui::Screen *screen(ScreenId id)
{
    return loaded()[size_t(id)].data();
}

ui::Screen *load(ScreenId id)
{
    QPointer<ui::Screen> &slot = loaded()[size_t(id)];
    if (!slot) {
        const ScreenEntry &entry = screens()[size_t(id)];
        slot = entry.create();
        slot->setObjectName(QLatin1String(entry.objectName));
        follow(slot, entry);
    }
    return slot.data();
}

void show(ScreenId id)
{
    ui::Screen *s = load(id);
    // A window shown anew comes up in front; one already shown is brought there.
    const bool shownAlready = s->isVisible();
    // A window the user minimised comes back as it was.
    ui::desktop::restoreIfMinimised(s);
    s->showPlaced();
    if (shownAlready)
        s->raise();
    s->activateWindow();
}

void unload(ScreenId id, std::chrono::milliseconds hiddenFor)
{
    ui::Screen *s = std::exchange(loaded()[size_t(id)], nullptr).data();
    if (!s)
        return;
    s->stopTimers();
    s->hide();
    // The handler that unloads its own screen goes on running to its end.
    if (hiddenFor.count() == 0) {
        s->deleteLater();
        return;
    }
    keptHidden().emplace_back(s);
    QTimer::singleShot(hiddenFor, s, &QObject::deleteLater);
}

void setEndAction(std::function<void()> action)
{
    endAction() = std::move(action);
}

void end()
{
    endAction()();
}

void backToMenu(ScreenId id)
{
    unload(id);
    show(ScreenId::Menu);
}

void leaveSplash()
{
    // A screen reader names the window the focus enters by what it has in common with where the
    // focus was: a splash already gone leaves it nothing to compare, and the menu unnamed.
    unload(ScreenId::Splash, std::chrono::seconds(2));
    show(ScreenId::Menu);
}

void quit()
{
    for (const ScreenEntry &entry : screens()) {
        if (entry.leaving == Leaving::BackToMenu)
            unload(entry.id);
    }
    unload(ScreenId::Menu);
    for (const QPointer<ui::Screen> &s : std::exchange(keptHidden(), {})) {
        if (s)
            s->deleteLater();
    }
    end();
}

} // namespace app::navigation
