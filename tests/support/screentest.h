#pragma once

#include "app/screens.h"
#include "ui/controls.h"
#include "ui/navigation.h"
#include "ui/screen.h"

#include <QApplication>
#include <QTest>

namespace screentest {

// A choice made as the user makes it in the open list: the item becomes current, then the
// list reports the activation.
inline void choose(ui::DropDownList *list, const QString &text)
{
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(text));
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// The program past its splash screen: the menu shown, every screen ready to open, and the
// quit button ending nothing but the test's expectations.
inline void startAtMenu()
{
    ui::navigation::setEndAction([] {});
    ui::navigation::show(ui::ScreenId::Menu);
}

inline QString caption(ui::Screen *s, const char *name)
{
    auto *label = s->control<ui::Label>(name);
    return label ? label->caption() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

inline quint32 back(ui::Screen *s, const char *name)
{
    return s->control<ui::Label>(name)->backColour();
}

inline bool shown(ui::Screen *s, const char *name)
{
    return !s->control<QWidget>(name)->isHidden();
}

// Deletes the screens that unloads left for the event loop.
inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Labels whose caption needs more lines than the label shows in full.
inline QStringList cutCaptions(ui::Screen *s)
{
    QStringList cut;
    for (auto *label : s->findChildren<ui::Label *>()) {
        if (label->isHidden() || label->caption().trimmed().isEmpty())
            continue;
        const QFontMetrics fm = label->fontMetrics();
        const QRect inside = label->contentsRect();
        const int needed = fm.boundingRect(QRect(0, 0, inside.width(), 100000), Qt::TextWordWrap,
                                           label->caption())
                                   .height()
                / fm.lineSpacing();
        const int shown = std::max(1, inside.height() / fm.lineSpacing());
        if (needed > shown)
            cut << label->objectName();
    }
    return cut;
}

inline void unloadAll()
{
    for (int i = 0; i < ui::kScreenCount; ++i)
        ui::navigation::unload(ui::ScreenId(i));
    settle();
}

// The offscreen platform says on every raise that it cannot raise; call once the test runs.
inline void quietRaiseWarnings()
{
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
                if (message != QLatin1String("This plugin does not support raise()"))
                    previous(type, context, message);
            });
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
