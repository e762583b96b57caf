// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#include "app/navigation.h"

#include "app/mainmenu.h"
#include "app/screens.h"
#include "ui/desktop.h"

#include <QCoreApplication>
#include <QTimer>

#include <utility>

namespace app {

Navigation::Navigation()
    : m_loaded(screens().size())
    , m_endAction([] { QCoreApplication::exit(0); })
{}

Navigation::~Navigation()
{
    for (const QPointer<ui::Screen> &s : m_loaded)
        delete s.data();
    for (const QPointer<ui::Screen> &s : m_keptHidden)
        delete s.data();
}

ui::Screen *Navigation::screen(ScreenId id) const
{
    return m_loaded[size_t(id)].data();
}

// What the screen's requests lead to.
void Navigation::follow(ui::Screen *s, ScreenId id)
{
    switch (screens()[size_t(id)].leaving) {
    case Leaving::Splash:
        QObject::connect(s, &ui::Screen::leaveRequested, s, [this] { leaveSplash(); });
        break;
    case Leaving::Quit:
        QObject::connect(s, &ui::Screen::leaveRequested, s, [this] { quit(); });
        break;
    case Leaving::BackToMenu:
        QObject::connect(s, &ui::Screen::leaveRequested, s, [this, id] { backToMenu(id); });
        break;
    }
    if (auto *menu = qobject_cast<MainMenu *>(s))
        QObject::connect(menu, &MainMenu::openRequested, menu,
                         [this](ScreenId tool) { show(tool); });
}

ui::Screen *Navigation::load(ScreenId id)
{
    QPointer<ui::Screen> &slot = m_loaded[size_t(id)];
    if (!slot) {
        const ScreenEntry &entry = screens()[size_t(id)];
        slot = entry.create();
        slot->setObjectName(QLatin1String(entry.objectName));
        follow(slot, id);
    }
    return slot.data();
}

void Navigation::show(ScreenId id)
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

void Navigation::unload(ScreenId id, std::chrono::milliseconds hiddenFor)
{
    ui::Screen *s = std::exchange(m_loaded[size_t(id)], nullptr).data();
    if (!s)
        return;
    s->hide();
    // The handler that unloads its own screen goes on running to its end.
    if (hiddenFor.count() == 0) {
        s->deleteLater();
        return;
    }
    m_keptHidden.emplace_back(s);
    QTimer::singleShot(hiddenFor, s, &QObject::deleteLater);
}

void Navigation::backToMenu(ScreenId id)
{
    unload(id);
    show(ScreenId::Menu);
}

void Navigation::leaveSplash()
{
    // A screen reader names the window the focus enters by what it has in common with where the
    // focus was: a splash already gone leaves it nothing to compare, and the menu unnamed.
    unload(ScreenId::Splash, std::chrono::seconds(2));
    show(ScreenId::Menu);
}

void Navigation::quit()
{
    for (const ScreenEntry &entry : screens()) {
        if (entry.leaving == Leaving::BackToMenu)
            unload(entry.id);
    }
    unload(ScreenId::Menu);
    for (const QPointer<ui::Screen> &s : std::exchange(m_keptHidden, {})) {
        if (s)
            s->deleteLater();
    }
    m_endAction();
}

} // namespace app
