// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

// The splash screen, the main menu and the ways between the screens.

#include "support/screentest.h"

#include <QPointer>
#include <QWindow>

using namespace screentest;
using namespace Qt::StringLiterals;

namespace {

// Which screens are loaded.
QString loadedScreens()
{
    QStringList names;
    for (const app::ScreenEntry &entry : app::screens()) {
        if (nav::screen(entry.id))
            names << kScreenNames[int(entry.id)];
    }
    return names.join(u", ");
}

Screen *loaded(const QString &name)
{
    return nav::screen(ScreenId(kScreenNames.indexOf(name)));
}

// The frame, or what reads or is named so.
QWidget *shownAs(Screen *s, const QString &what)
{
    if (what == u"frame")
        return s->findChild<Frame *>();
    for (auto *w : s->findChildren<QWidget *>()) {
        auto *label = qobject_cast<Label *>(w);
        if (w->accessibleName() == what || (label && label->caption() == what))
            return w;
    }
    qFatal("nothing shows %s", qPrintable(what));
}

void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(2, 2));
    settle();
}

Screen *menu()
{
    return nav::screen(ScreenId::Menu);
}

void press(Screen *s, const char *caption)
{
    click(button(s, QLatin1String(caption)));
}

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { startAtMenu(); }
    void init()
    {
        unloadAll();
        ends = 0;
        nav::show(ScreenId::Splash);
        QVERIFY(QTest::qWaitForWindowExposed(nav::screen(ScreenId::Splash)));
    }

    // A click anywhere but on "Now with 5 band resistor support", a key with a character, or the
    // desktop's close.
    void leavingTheSplash_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("loaded");
        // clang-format off
        row("bare window", "", 0, 0, "menu");
        row("frame", "frame", 0, 0, "menu");
        row("photograph", "photograph of a beige resistor with brown, black, red and gold bands", 0, 0, "menu");
        row("logo", "Ohmara 3.1 logo: the version number over a small resistor", 0, 0, "menu");
        row("fun label", "have fun with resistors :-)", 0, 0, "menu");
        row("five band label", "Now with 5 band resistor support", 0, 0, "splash");
        row("letter", "", int(Qt::Key_A), 0, "menu");
        row("escape", "", int(Qt::Key_Escape), 0, "menu");
        row("backspace", "", int(Qt::Key_Backspace), 0, "menu");
        row("ctrl+c", "", int(Qt::Key_C), int(Qt::ControlModifier), "menu");
        row("shift alone", "", int(Qt::Key_Shift), int(Qt::ShiftModifier), "splash");
        row("arrow", "", int(Qt::Key_Left), 0, "splash");
        row("function key", "", int(Qt::Key_F1), 0, "splash");
        row("the desktop's close", "close", 0, 0, "menu");
        // clang-format on
    }
    void leavingTheSplash()
    {
        QFETCH(QString, target);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        Screen *splash = nav::screen(ScreenId::Splash);
        if (key) {
            QTest::keyClick(splash, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            settle();
        } else if (target == QLatin1String("close")) {
            splash->close();
            settle();
        } else {
            click(target.isEmpty() ? splash : shownAs(splash, target));
        }
        QTEST(loadedScreens(), "loaded");
    }

    // Each tool from its menu button, by mouse and by keyboard, the same screen when opened
    // twice; maximised by a title bar only where sizable; left by its back button and by the
    // desktop's close; the menu stays as it was.
    void everyToolOpensAndCloses_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("back");
        QTest::addColumn<bool>("maximisable");
        // clang-format off
        row("colour code list(s)", u"chart"_s, u"back to main screen"_s, true);
        row("4 band Colour code to value", u"four-band decoder"_s, u"back to main screen"_s, false);
        row("4 band Value to Colour code", u"four-band encoder"_s, u"back to main window"_s, false);
        row("resistor/capacitor calculator", u"calculator"_s, u"back to main screen"_s, false);
        row("5 band colour code to value", u"five-band decoder"_s, u"back to main screen"_s, false);
        row("5 band value to colour code", u"five-band encoder"_s, u"back to main window"_s, false);
        // clang-format on
    }
    void everyToolOpensAndCloses()
    {
        QFETCH(QString, window);
        QFETCH(QString, back);
        nav::leaveSplash();
        auto *opener = button(menu(), QLatin1String(QTest::currentDataTag()));
        click(opener);
        QPointer<Screen> tool = loaded(window);
        click(opener);
        QVERIFY(tool && tool == loaded(window) && tool->isVisible());
        QCOMPARE(loadedScreens(), QStringLiteral("menu, ") + window);
        tool->windowHandle()->setWindowStates(Qt::WindowMaximized);
        QTEST(tool->windowHandle()->windowStates() == Qt::WindowMaximized, "maximisable");
        click(button(tool, back));
        QCOMPARE(loadedScreens(), QStringLiteral("menu"));
        opener->setFocus();
        QTest::keyClick(opener, Qt::Key_Space);
        QVERIFY(loaded(window) && loaded(window)->isVisible());
        loaded(window)->close();
        settle();
        QCOMPARE(loadedScreens(), QStringLiteral("menu"));
        QVERIFY(menu()->isVisible() && menu()->isEnabled());
    }

    // Opening again keeps the state; back discards it, on its own screen only.
    void openingTwiceAndBack()
    {
        nav::leaveSplash();
        press(menu(), "4 band Colour code to value");
        press(menu(), "5 band colour code to value");
        Screen *four = nav::screen(ScreenId::FourBandDecoder);
        choose(four, QStringLiteral("first=red"));
        choose(nav::screen(ScreenId::FiveBandDecoder), QStringLiteral("first=grey"));
        press(menu(), "4 band Colour code to value");
        QCOMPARE(nav::screen(ScreenId::FourBandDecoder), four);
        QCOMPARE(list(four, u"first")->text(), QStringLiteral("red"));
        press(four, "back to main screen");
        QCOMPARE(loadedScreens(), QStringLiteral("menu, five-band decoder"));
        QVERIFY(menu()->isVisible());
        QCOMPARE(list(nav::screen(ScreenId::FiveBandDecoder), u"first")->text(),
                 QStringLiteral("grey"));
        press(menu(), "4 band Colour code to value");
        QCOMPARE(list(nav::screen(ScreenId::FourBandDecoder), u"first")->text(), QString());
    }

    void quitClosesEverythingAndEnds()
    {
        nav::leaveSplash();
        press(menu(), "4 band Colour code to value");
        press(menu(), "5 band value to colour code");
        press(menu(), "Quit Ohmara");
        QCOMPARE(loadedScreens(), QString());
        QCOMPARE(ends, 1);
    }
};

OHMARA_WIDGET_TEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
