#pragma once

// What the widget tests share: the program set up as it runs, choices made as a user makes
// them, and what the screens show read back as the user sees it.

#include "app/screens.h"
#include "support/rows.h"
#include "ui/navigation.h"

#include <QApplication>
#include <QTest>

#include <algorithm>

namespace screentest {

using namespace ui;
namespace nav = ui::navigation;

// One tick of every running timer, as their clocks would give.
inline void tick(Screen *s)
{
    for (Timer *t : s->findChildren<Timer *>()) {
        if (t->isEnabled())
            emit t->ticked();
    }
}

// The design's names of the controls a check reads, by what they show the user.
struct Shows
{
    QStringList bandPaints = {}, bandNames = {}; // left to right
    const char *value = nullptr, *tolerance = nullptr, *result = nullptr;
};

inline Shows shows(ScreenId id)
{
    switch (id) {
    case ScreenId::FourBandDecoder:
        return {.bandPaints = {"Label17", "Label16", "Label15", "Label14"}, .tolerance = "Label29"};
    case ScreenId::FiveBandDecoder:
        return {.bandPaints = {"Label17", "Label16", "Label32", "Label15", "Label14"},
                .tolerance = "Label29"};
    case ScreenId::FourBandEncoder:
        return {.bandPaints = {"Label1", "Label2", "Label3", "Label4"},
                .bandNames = {"Label11", "Label12", "Label13", "Label14"},
                .value = "Label15",
                .tolerance = "Label21"};
    case ScreenId::FiveBandEncoder:
        return {.bandPaints = {"Label1", "Label2", "Label24", "Label3", "Label4"},
                .bandNames = {"Label11", "Label12", "Label25", "Label13", "Label14"},
                .value = "Label15",
                .tolerance = "Label21"};
    case ScreenId::Calculator:
        return {.result = "Label1"};
    default:
        return {};
    }
}

// "list=item;list=item;tick": each item becomes current, then its list reports the choice, as
// when the user picks it; "tick" ticks the timers.
inline void choose(Screen *s, const QString &choices)
{
    for (const QString &choice : choices.split(u';', Qt::SkipEmptyParts)) {
        if (choice == u"tick") {
            tick(s);
            continue;
        }
        const qsizetype eq = choice.indexOf(u'=');
        auto *list = s->control<DropDownList>(qPrintable(choice.left(eq)));
        const int index
                = list->findText(choice.mid(eq + 1), Qt::MatchExactly | Qt::MatchCaseSensitive);
        QVERIFY2(index >= 0 && list->isEnabled(), qPrintable(choice));
        list->setCurrentIndex(index);
        emit list->activated(index);
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

// The range boxes: minimum, its unit, maximum, its unit, tolerance.
inline QString range(Screen *s)
{
    return shown(s,
                 {"minvalue", "multimin", "maxvalue", "multimax",
                  QLatin1String(shows(s->id()).tolerance)});
}

// The lists and timers that are switched off, in design order.
inline QString locked(Screen *s)
{
    QStringList out;
    for (const ControlDef &def : s->design()) {
        if ((def.kind == Kind::DropDownList && !s->control<QWidget>(def.name)->isEnabled())
            || (def.kind == Kind::Timer && !s->timer(def.name)->isEnabled()))
            out << QLatin1String(def.name);
    }
    return out.join(u' ');
}

// Deletes the screens that unloads left for the event loop.
inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

inline void unloadAll()
{
    for (int i = 0; i < kScreenCount; ++i)
        nav::unload(ScreenId(i));
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
