#include "ui/navigation.h"

#include "ui/desktop.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <array>
#include <utility>
#include <vector>

namespace ui::navigation {
namespace {

struct Slot
{
    Factory factory;
    QPointer<Screen> screen;
};

std::array<Slot, kScreenCount> &registry()
{
    static std::array<Slot, kScreenCount> s;
    return s;
}

std::function<void()> &endAction()
{
    static std::function<void()> action = [] { QCoreApplication::exit(0); };
    return action;
}

// Unloaded screens kept a while, hidden: gone at the end whatever their time.
std::vector<QPointer<Screen>> &keptHidden()
{
    static std::vector<QPointer<Screen>> screens;
    return screens;
}

Slot &slotOf(ScreenId id)
{
    return registry()[size_t(id)];
}

constexpr ScreenId kToolScreens[]
        = {ScreenId::Chart,      ScreenId::FourBandDecoder, ScreenId::FourBandEncoder,
           ScreenId::Calculator, ScreenId::FiveBandDecoder, ScreenId::FiveBandEncoder};

} // namespace

void setFactory(ScreenId id, Factory factory)
{
    slotOf(id).factory = std::move(factory);
}

Screen *screen(ScreenId id)
{
    return slotOf(id).screen.data();
}

Screen *load(ScreenId id)
{
    Slot &slot = slotOf(id);
    if (!slot.screen && slot.factory)
        slot.screen = slot.factory();
    return slot.screen.data();
}

void show(ScreenId id)
{
    Screen *s = load(id);
    if (!s)
        return;
    // A window shown anew comes up in front; one already shown is brought there.
    const bool shownAlready = s->isVisible();
    // A window the user minimised comes back as it was.
    desktop::restoreIfMinimised(s);
    s->showPlaced();
    if (shownAlready)
        s->raise();
    s->activateWindow();
}

void unload(ScreenId id, std::chrono::milliseconds hiddenFor)
{
    Slot &slot = slotOf(id);
    Screen *s = slot.screen.data();
    if (!s)
        return;
    slot.screen = nullptr;
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
    for (ScreenId id : kToolScreens)
        unload(id);
    unload(ScreenId::Menu);
    for (const QPointer<Screen> &s : std::exchange(keptHidden(), {})) {
        if (s)
            s->deleteLater();
    }
    end();
}

} // namespace ui::navigation
