// The splash screen, the main menu and the ways between the screens.

#include "app/mainmenu.h"
#include "support/screentest.h"

#include <QPointer>
#include <QWindow>

using namespace screentest;
using namespace Qt::StringLiterals;

namespace {

// Which screens are loaded, by their object names.
QString loadedScreens()
{
    QStringList names;
    for (int i = 0; i < kScreenCount; ++i) {
        if (Screen *s = nav::screen(ScreenId(i)))
            names << s->objectName();
    }
    return names.join(u' ');
}

Screen *loaded(const QString &name)
{
    for (int i = 0; i < kScreenCount; ++i) {
        if (Screen *s = nav::screen(ScreenId(i)); s && s->objectName() == name)
            return s;
    }
    return nullptr;
}

void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(2, 2));
    settle();
}

app::MainMenu *menu()
{
    return static_cast<app::MainMenu *>(nav::screen(ScreenId::Menu));
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
        row("bare window", "", 0, 0, "Form1");
        row("frame", "Frame1", 0, 0, "Form1");
        row("photograph", "Image1", 0, 0, "Form1");
        row("logo", "imgLogo", 0, 0, "Form1");
        row("fun label", "Label3", 0, 0, "Form1");
        row("five band label", "Label4", 0, 0, "frmSplash");
        row("letter", "", int(Qt::Key_A), 0, "Form1");
        row("escape", "", int(Qt::Key_Escape), 0, "Form1");
        row("backspace", "", int(Qt::Key_Backspace), 0, "Form1");
        row("ctrl+c", "", int(Qt::Key_C), int(Qt::ControlModifier), "Form1");
        row("shift alone", "", int(Qt::Key_Shift), int(Qt::ShiftModifier), "frmSplash");
        row("arrow", "", int(Qt::Key_Left), 0, "frmSplash");
        row("function key", "", int(Qt::Key_F1), 0, "frmSplash");
        row("the desktop's close", "close", 0, 0, "Form1");
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
            click(target.isEmpty() ? splash : splash->control<QWidget>(qPrintable(target)));
        }
        QTEST(loadedScreens(), "loaded");
    }

    // Each tool from its menu button, by mouse and by keyboard, the same screen when opened
    // twice; maximised by a title bar only where sizable; left by its back button and by the
    // desktop's close; the menu stays as it was.
    void everyToolOpensAndCloses_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("back");
        QTest::addColumn<bool>("maximisable");
        // clang-format off
        row("colour code list(s)", u"Command1"_s, u"Form2"_s, u"Command1"_s, true);
        row("4 band Colour code to value", u"Command2"_s, u"Form3"_s, u"Command1"_s, false);
        row("4 band Value to Colour code", u"Command3"_s, u"Form4"_s, u"Command2"_s, false);
        row("resistor/capacitor calculator", u"Command5"_s, u"Form5"_s, u"Command3"_s, false);
        row("5 band colour code to value", u"Command6"_s, u"Form6"_s, u"Command1"_s, false);
        row("5 band value to colour code", u"Command7"_s, u"Form7"_s, u"Command2"_s, false);
        // clang-format on
    }
    void everyToolOpensAndCloses()
    {
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(QString, back);
        nav::leaveSplash();
        auto *opener = menu()->control<CommandButton>(qPrintable(button));
        click(opener);
        QPointer<Screen> tool = loaded(window);
        click(opener);
        QVERIFY(tool && tool == loaded(window) && tool->isVisible());
        QCOMPARE(loadedScreens(), QStringLiteral("Form1 ") + window);
        tool->windowHandle()->setWindowStates(Qt::WindowMaximized);
        QTEST(tool->windowHandle()->windowStates() == Qt::WindowMaximized, "maximisable");
        click(tool->control<CommandButton>(qPrintable(back)));
        QCOMPARE(loadedScreens(), QStringLiteral("Form1"));
        opener->setFocus();
        QTest::keyClick(opener, Qt::Key_Space);
        QVERIFY(loaded(window) && loaded(window)->isVisible());
        loaded(window)->close();
        settle();
        QCOMPARE(loadedScreens(), QStringLiteral("Form1"));
        QVERIFY(menu()->isVisible() && menu()->isEnabled());
    }

    // Opening again keeps the state; back discards it, on its own screen only.
    void openingTwiceAndBack()
    {
        nav::leaveSplash();
        menu()->Command2_Click();
        menu()->Command6_Click();
        Screen *four = nav::screen(ScreenId::FourBandDecoder);
        choose(four, QStringLiteral("band1=red"));
        choose(nav::screen(ScreenId::FiveBandDecoder), QStringLiteral("band1=grey"));
        menu()->Command2_Click();
        QCOMPARE(nav::screen(ScreenId::FourBandDecoder), four);
        QCOMPARE(four->control<DropDownList>("band1")->text(), QStringLiteral("red"));
        QPointer<Timer> timer = four->timer("Timer1");
        int ticks = 0;
        connect(timer, &Timer::ticked, this, [&] { ++ticks; });
        click(four->control<CommandButton>("Command1"));
        QCOMPARE(loadedScreens(), QStringLiteral("Form1 Form6"));
        QVERIFY(menu()->isVisible());
        QTest::qWait(120);
        QCOMPARE(ticks, 0);
        QCOMPARE(nav::screen(ScreenId::FiveBandDecoder)->control<DropDownList>("band1")->text(),
                 QStringLiteral("grey"));
        menu()->Command2_Click();
        QCOMPARE(nav::screen(ScreenId::FourBandDecoder)->control<DropDownList>("band1")->text(),
                 QString());
    }

    void quitClosesEverythingAndEnds()
    {
        nav::leaveSplash();
        menu()->Command2_Click();
        menu()->Command7_Click();
        click(menu()->control<CommandButton>("Command4"));
        QCOMPARE(loadedScreens(), QString());
        QCOMPARE(ends, 1);
    }
};

OHMARA_WIDGET_TEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
