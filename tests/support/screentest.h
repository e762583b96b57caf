// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

#pragma once

// What the widget tests share: the program set up as it runs, choices made as a user makes
// them, and what the screens show read back as the user sees it. Checks name controls by their
// role; the role map below gives their design names.

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
namespace nav = app::navigation;

// The controls a check uses, by role, in the order the user meets them.
struct Roles
{
    std::vector<std::pair<QString, const char *>> controls = {};
    QStringList bandPaints = {}, bandNames = {}; // left to right
    const char *value = nullptr, *tolerance = nullptr, *result = nullptr;
};

inline Roles roles(ScreenId id)
{
    switch (id) {
    case ScreenId::Splash:
        return {.controls = {{"frame", "Frame1"},
                             {"photograph", "Image1"},
                             {"logo", "imgLogo"},
                             {"greeting", "Label3"},
                             {"five band news", "Label4"}}};
    case ScreenId::FourBandDecoder:
        return {.controls = {{"first", "band1"},
                             {"second", "band2"},
                             {"multiplier", "band3"},
                             {"tolerance", "band4"},
                             {"display", "Label5"},
                             {"range timer", "Timer1"}},
                .bandPaints = {"Label17", "Label16", "Label15", "Label14"},
                .tolerance = "Label29"};
    case ScreenId::FiveBandDecoder:
        return {.controls = {{"first", "band1"},
                             {"second", "band2"},
                             {"third", "band3"},
                             {"multiplier", "band4"},
                             {"tolerance", "band5"},
                             {"display", "Label5"},
                             {"range timer", "Timer1"}},
                .bandPaints = {"Label17", "Label16", "Label32", "Label15", "Label14"},
                .tolerance = "Label29"};
    case ScreenId::FourBandEncoder:
        return {.controls = {{"in front", "Combo2"},
                             {"first", "number1"},
                             {"between", "combo1"},
                             {"second", "number2"},
                             {"unit", "number3"},
                             {"tolerance", "tolerance"},
                             {"value timer", "Timer1"},
                             {"unit band timer", "Timer2"},
                             {"range timer", "Timer3"}},
                .bandPaints = {"Label1", "Label2", "Label3", "Label4"},
                .bandNames = {"Label11", "Label12", "Label13", "Label14"},
                .value = "Label15",
                .tolerance = "Label21"};
    case ScreenId::FiveBandEncoder:
        return {.controls = {{"first", "number1"},
                             {"after first", "Combo2"},
                             {"second", "number2"},
                             {"after second", "combo1"},
                             {"third", "digit3"},
                             {"unit", "multiplier"},
                             {"tolerance", "tolerance"},
                             {"value timer", "Timer1"},
                             {"unit band timer", "Timer2"},
                             {"range timer", "Timer3"}},
                .bandPaints = {"Label1", "Label2", "Label24", "Label3", "Label4"},
                .bandNames = {"Label11", "Label12", "Label25", "Label13", "Label14"},
                .value = "Label15",
                .tolerance = "Label21"};
    case ScreenId::Calculator:
        return {.controls = {{"first", "val1"}, {"second", "val2"}}, .result = "Label1"};
    default:
        return {};
    }
}

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

// The control of that role on the screen.
template<class T = QWidget>
T *byRole(Screen *s, QAnyStringView role)
{
    for (const auto &[name, design] : roles(idOf(s)).controls) {
        if (QAnyStringView::equal(name, role))
            return s->control<T>(design);
    }
    qFatal("no control has the role %s", qPrintable(role.toString()));
}

// One tick of every running timer, as their clocks would give.
inline void tick(Screen *s)
{
    for (Timer *t : s->findChildren<Timer *>()) {
        if (t->isEnabled())
            emit t->ticked();
    }
}

// The item becomes current, then the list reports the choice, as when the user picks it.
inline void pickItem(DropDownList *list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// "role=item;role=item;tick": each item picked in the list of that role; "tick" ticks the
// timers.
inline void choose(Screen *s, const QString &choices)
{
    for (const QString &choice : choices.split(u';', Qt::SkipEmptyParts)) {
        if (choice == u"tick") {
            tick(s);
            continue;
        }
        const qsizetype eq = choice.indexOf(u'=');
        auto *list = byRole<DropDownList>(s, choice.left(eq));
        const int index
                = list->findText(choice.mid(eq + 1), Qt::MatchExactly | Qt::MatchCaseSensitive);
        QVERIFY2(index >= 0 && list->isEnabled(), qPrintable(choice));
        pickItem(list, index);
    }
}

inline Screen *open(ScreenId id)
{
    nav::show(id);
    return nav::screen(id);
}

inline QString caption(Screen *s, const char *name)
{
    return s->control<Label>(name)->caption();
}

// What controls show, left to right: their captions ("-" for none), or with colours = true the
// colour the user sees right of any text, "r,g,b".
inline QString shown(Screen *s, const QStringList &names, bool colours = false)
{
    QStringList out;
    for (const QString &name : names) {
        const QRect r = s->control<QWidget>(qPrintable(name))->geometry();
        const QPoint rightOfText = QPoint(r.width() - 3, r.height() / 2) * s->devicePixelRatio();
        const QColor c = colours ? s->grab(r).toImage().pixelColor(rightOfText) : QColor();
        const QString text = colours
                ? QStringLiteral("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue())
                : caption(s, qPrintable(name));
        out << (text.isEmpty() ? QStringLiteral("-") : text);
    }
    return out.join(u' ');
}

// The range boxes: minimum, its unit, maximum, its unit; the same on every computing screen.
inline const QStringList kRangeBoxes = {"minvalue", "multimin", "maxvalue", "multimax"};

// The range boxes, then the tolerance.
inline QString range(Screen *s)
{
    return shown(s, kRangeBoxes + QStringList{QLatin1String(roles(idOf(s)).tolerance)});
}

// The lists and timers that are switched off, by role.
inline QString locked(Screen *s)
{
    QStringList out;
    for (const auto &[role, name] : roles(idOf(s)).controls) {
        auto *timer = s->findChild<Timer *>(QLatin1String(name));
        if (timer ? !timer->isEnabled() : !s->control<QWidget>(name)->isEnabled())
            out << role;
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
    nav::setEndAction([] { ++ends; });
    nav::show(ScreenId::Menu);
}

} // namespace screentest

// A widget test runs the application as the program does.
#define OHMARA_WIDGET_TEST_MAIN(TestClass)                                                         \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        QApplication app(argc, argv);                                                              \
        app::configureApplication();                                                               \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
