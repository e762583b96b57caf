// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

// What the widget tests share: the program set up as it runs, choices made as a user makes
// them, and what the screens show read back as the user sees it. Checks reach controls by their
// role.

#include "app/application.h"
#include "app/navigation.h"
#include "app/screens.h"
#include "support/rows.h"
#include "ui/controls.h"
#include "ui/screen.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <utility>
#include <vector>

namespace screentest {

using namespace ui;
using app::ScreenId;

// The program's navigation, as main() owns it; the checks move through it as nav::.
inline app::Navigation &navigation()
{
    static auto *owned = new app::Navigation;
    return *owned;
}
namespace nav {
inline Screen *screen(ScreenId id)
{
    return navigation().screen(id);
}
inline void show(ScreenId id)
{
    navigation().show(id);
}
inline void unload(ScreenId id)
{
    navigation().unload(id);
}
inline void leaveSplash()
{
    navigation().leaveSplash();
}
} // namespace nav

// The lists as the checks name them, whatever screen they are on.
inline const std::pair<const char *, Role> kLists[] = {
        {"first", Role::FirstDigit},    {"second", Role::SecondDigit},
        {"third", Role::ThirdDigit},    {"multiplier", Role::Multiplier},
        {"tolerance", Role::Tolerance}, {"unit", Role::Unit},
        {"in front", Role::FirstPoint}, {"after first", Role::FirstPoint},
        {"between", Role::SecondPoint}, {"after second", Role::SecondPoint},
};

// The screens by what they are to the user, in the order of ScreenId.
inline const QStringList kScreenNames = {"splash",
                                         "menu",
                                         "chart",
                                         "four-band decoder",
                                         "four-band encoder",
                                         "calculator",
                                         "five-band decoder",
                                         "five-band encoder"};

inline ScreenId idOf(const Screen *s)
{
    for (const app::ScreenEntry &entry : app::screens()) {
        if (nav::screen(entry.id) == s)
            return entry.id;
    }
    qFatal("a screen that is not loaded");
}

template<class T = QWidget>
T *byRole(Screen *s, Role role)
{
    return s->bound<T>(role);
}

inline DropDownList *list(Screen *s, QStringView name)
{
    for (const auto &[word, role] : kLists) {
        if (name == QLatin1String(word))
            return s->bound<DropDownList>(role);
    }
    qFatal("no list is called %s", qPrintable(name.toString()));
}

// The item becomes current, then the list reports the choice, as when the user picks it.
inline void pickItem(DropDownList *list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// "list=item;list=item": each item picked in the list of that name.
inline void choose(Screen *s, const QString &choices)
{
    for (const QString &choice : choices.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype eq = choice.indexOf(u'=');
        auto *chosen = list(s, QStringView(choice).left(eq));
        const int index
                = chosen->findText(choice.mid(eq + 1), Qt::MatchExactly | Qt::MatchCaseSensitive);
        QVERIFY2(index >= 0 && chosen->isEnabled(), qPrintable(choice));
        pickItem(chosen, index);
    }
}

inline Screen *open(ScreenId id)
{
    nav::show(id);
    return nav::screen(id);
}

inline QString caption(Screen *s, Role role)
{
    return s->bound<Label>(role)->caption();
}

// What controls show, left to right: their captions ("-" for none), or with colours = true the
// colour the user sees right of any text, "r,g,b".
inline QString shown(Screen *s, const std::vector<Role> &roles, bool colours = false)
{
    QStringList out;
    for (const Role role : roles) {
        const QRect r = s->bound<QWidget>(role)->geometry();
        const QPoint rightOfText = QPoint(r.width() - 3, r.height() / 2) * s->devicePixelRatio();
        const QColor c = colours ? s->grab(r).toImage().pixelColor(rightOfText) : QColor();
        const QString text = colours
                ? QStringLiteral("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue())
                : caption(s, role);
        out << (text.isEmpty() ? QStringLiteral("-") : text);
    }
    return out.join(u' ');
}

// The resistor's bands in band order, as painted or, with names, as named.
inline std::vector<Role> bands(Screen *s, bool names = false)
{
    std::vector<Role> roles = names
            ? std::vector{Role::FirstBandName, Role::SecondBandName, Role::ThirdBandName,
                          Role::MultiplierBandName, Role::ToleranceBandName}
            : std::vector{Role::FirstBand, Role::SecondBand, Role::ThirdBand, Role::MultiplierBand,
                          Role::ToleranceBand};
    if (!s->binds(Role::ThirdDigit))
        roles.erase(roles.begin() + 2);
    return roles;
}

// The range boxes, then the tolerance.
inline QString range(Screen *s)
{
    return shown(s,
                 {Role::Minimum, Role::MinimumUnit, Role::Maximum, Role::MaximumUnit,
                  Role::ToleranceValue});
}

// The lists that are switched off, by their names for screen readers, left to right.
inline QString locked(Screen *s)
{
    QStringList out;
    for (QWidget *w : s->tabOrder()) {
        if (qobject_cast<DropDownList *>(w) && !w->isEnabled())
            out << w->accessibleName();
    }
    return out.join(u',');
}

// The button of that caption.
inline CommandButton *button(Screen *s, const QString &caption)
{
    for (auto *b : s->findChildren<CommandButton *>()) {
        if (b->text() == caption)
            return b;
    }
    qFatal("no button reads %s", qPrintable(caption));
}

// Deletes the screens that unloads left for the event loop.
inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

inline void unloadAll()
{
    for (const app::ScreenEntry &entry : app::screens())
        nav::unload(entry.id);
    settle();
}

// The program past its splash screen, with an end that only counts.
inline int ends = 0;
inline void startAtMenu()
{
    // The offscreen platform says on every raise that it cannot raise.
    static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (message != u"This plugin does not support raise()")
                    previous(type, context, message);
            });
    navigation().setEndAction([] { ++ends; });
    nav::show(ScreenId::Menu);
}

} // namespace screentest

// A widget test runs the application as the program does.
#define OHMARA_WIDGET_TEST_MAIN(TestClass)                                                         \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        QApplication app(argc, argv);                                                              \
        app::configureApplication();                                                               \
        app::setWindowIcons();                                                                     \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
