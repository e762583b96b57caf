#include "app/mainmenu.h"
#include "app/screens.h"
#include "support/screentest.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

using namespace ui;
using screentest::settle;
namespace nav = ui::navigation;

namespace {

QRect desktop()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

bool loaded(ScreenId id)
{
    return nav::screen(id) != nullptr;
}

void click(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(2, 2));
}

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        nav::setEndAction([this] { ++m_ends; });
    }
    void init()
    {
        m_ends = 0;
        nav::show(ScreenId::Splash);
        QVERIFY(QTest::qWaitForWindowExposed(nav::screen(ScreenId::Splash)));
    }
    void cleanup()
    {
        screentest::unloadAll();
        app::registerScreens();
    }

    void startShowsOnlyTheSplash()
    {
        Screen *splash = nav::screen(ScreenId::Splash);
        QVERIFY(splash->isVisible());
        QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash->size(), QSize(492, 283));
        QCOMPARE(splash->frameGeometry().center(), desktop().center());
        for (int i = 1; i < kScreenCount; ++i)
            QVERIFY(!loaded(ScreenId(i)));
    }

    void splashCaptions()
    {
        Screen *s = nav::screen(ScreenId::Splash);
        QCOMPARE(screentest::caption(s, "Label1"), QStringLiteral("minor release 1 revison 0"));
        QCOMPARE(screentest::caption(s, "Label3"), QStringLiteral("have fun with resistors :-)"));
        QCOMPARE(screentest::caption(s, "Label4"),
                 QStringLiteral("Now with 5 band resistor support"));
        auto *frame = s->control<Frame>("Frame1");
        QCOMPARE(frame->geometry(), QRect(8, 8, 479, 269));
        // inside the frame, measured from its corner
        QCOMPARE(s->control<Label>("Label1")->geometry(), QRect(336, 80, 129, 17));
        QCOMPARE(s->control<Image>("imgLogo")->geometry(), QRect(0, 8, 129, 135));
        QCOMPARE(s->control<Image>("Image1")->geometry(), QRect(32, 176, 371, 82));
    }

    void clickingTheSplashLeavesIt_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("leaves");
        QTest::newRow("bare window") << "" << true;
        QTest::newRow("frame") << "Frame1" << true;
        QTest::newRow("photograph") << "Image1" << true;
        QTest::newRow("logo") << "imgLogo" << true;
        QTest::newRow("release label") << "Label1" << true;
        QTest::newRow("credit label") << "Label2" << true;
        QTest::newRow("fun label") << "Label3" << true;
        QTest::newRow("five band label") << "Label4" << false;
    }
    void clickingTheSplashLeavesIt()
    {
        QFETCH(QString, target);
        QFETCH(bool, leaves);
        Screen *splash = nav::screen(ScreenId::Splash);
        QWidget *w = target.isEmpty() ? splash : splash->findChild<QWidget *>(target);
        QVERIFY(w);
        click(w);
        settle();
        QCOMPARE(loaded(ScreenId::Splash), !leaves);
        QCOMPARE(loaded(ScreenId::Menu), leaves);
        if (leaves)
            QVERIFY(nav::screen(ScreenId::Menu)->isVisible());
    }

    void keysOnTheSplash_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("leaves");
        QTest::newRow("letter") << int(Qt::Key_A) << 0 << true;
        QTest::newRow("digit") << int(Qt::Key_7) << 0 << true;
        QTest::newRow("space") << int(Qt::Key_Space) << 0 << true;
        QTest::newRow("enter") << int(Qt::Key_Return) << 0 << true;
        QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << true;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << true;
        QTest::newRow("ctrl+c") << int(Qt::Key_C) << int(Qt::ControlModifier) << true;
        QTest::newRow("shift alone") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << false;
        QTest::newRow("ctrl alone") << int(Qt::Key_Control) << int(Qt::ControlModifier) << false;
        QTest::newRow("alt alone") << int(Qt::Key_Alt) << int(Qt::AltModifier) << false;
        QTest::newRow("arrow") << int(Qt::Key_Left) << 0 << false;
        QTest::newRow("function key") << int(Qt::Key_F1) << 0 << false;
    }
    void keysOnTheSplash()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, leaves);
        Screen *splash = nav::screen(ScreenId::Splash);
        QTest::keyClick(splash, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        settle();
        QCOMPARE(loaded(ScreenId::Splash), !leaves);
        QCOMPARE(loaded(ScreenId::Menu), leaves);
    }

    void menuAfterTheSplash()
    {
        nav::leaveSplash();
        settle();
        Screen *menu = nav::screen(ScreenId::Menu);
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        QCOMPARE(menu->windowTitle(), QStringLiteral("Ohmara V3.1"));
        QCOMPARE(menu->size(), QSize(339, 266));
        QCOMPARE(menu->frameGeometry().center(), desktop().center());
        QVERIFY(!menu->windowIcon().isNull());
        QCOMPARE(menu->windowIcon().availableSizes().value(0), QSize(32, 32));
        QCOMPARE(menu->focusWidget(), menu->control<QWidget>("Command1"));
        QCOMPARE(screentest::caption(menu, "Label1"),
                 QStringLiteral(
                         "welcome to Ohmara version 3.1, to begin click one of these buttons..."));
    }

    void menuButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("1") << "Command1"
                           << "colour code list(s)" << QRect(0, 88, 97, 41);
        QTest::newRow("2") << "Command2"
                           << "4 band Colour code to value" << QRect(120, 88, 97, 41);
        QTest::newRow("3") << "Command3"
                           << "4 band Value to Colour code" << QRect(240, 88, 97, 41);
        QTest::newRow("5") << "Command5"
                           << "resistor/capacitor calculator" << QRect(0, 136, 97, 41);
        QTest::newRow("6") << "Command6"
                           << "5 band colour code to value" << QRect(120, 136, 97, 41);
        QTest::newRow("7") << "Command7"
                           << "5 band value to colour code" << QRect(240, 136, 97, 41);
        QTest::newRow("4") << "Command4"
                           << "Quit Ohmara" << QRect(0, 240, 337, 25);
    }
    void menuButtons()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        nav::leaveSplash();
        auto *button = nav::screen(ScreenId::Menu)->findChild<CommandButton *>(name);
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->geometry(), geometry);
        // the whole caption fits, wrapped as the button needs
        const QRect needed = button->fontMetrics().boundingRect(
                button->rect().adjusted(3, 2, -3, -2), Qt::AlignCenter | Qt::TextWordWrap, caption);
        QVERIFY2(button->rect().contains(needed), qPrintable(caption));
    }

    void tabOrderOfTheMenu()
    {
        nav::leaveSplash();
        QStringList names;
        for (QWidget *w : nav::screen(ScreenId::Menu)->tabOrder())
            names << w->objectName();
        QCOMPARE(names,
                 (QStringList{"Command1", "Command2", "Command3", "Command5", "Command6",
                              "Command7", "Command4"}));
    }

    void openingTwiceKeepsTheState()
    {
        nav::leaveSplash();
        auto *menu = nav::screenAs<app::MainMenu>(ScreenId::Menu);
        menu->Command2_Click();
        QPointer<Screen> first = nav::screen(ScreenId::FourBandDecoder);
        QVERIFY(first && first->isVisible());
        screentest::choose(first->control<DropDownList>("band1"), QStringLiteral("red"));
        menu->Command2_Click();
        QCOMPARE(nav::screen(ScreenId::FourBandDecoder), first.data());
        QCOMPARE(first->control<DropDownList>("band1")->text(), QStringLiteral("red"));
        QVERIFY(menu->isVisible());
    }

    void backDiscardsTheState()
    {
        nav::leaveSplash();
        auto *menu = nav::screenAs<app::MainMenu>(ScreenId::Menu);
        menu->Command2_Click();
        QPointer<Screen> first = nav::screen(ScreenId::FourBandDecoder);
        screentest::choose(first->control<DropDownList>("band1"), QStringLiteral("red"));
        click(first->control<CommandButton>("Command1"));
        settle();
        QVERIFY(!first);
        QVERIFY(!loaded(ScreenId::FourBandDecoder));
        QVERIFY(menu->isVisible());
        menu->Command2_Click();
        Screen *again = nav::screen(ScreenId::FourBandDecoder);
        QCOMPARE(again->control<DropDownList>("band1")->text(), QString());
        QCOMPARE(screentest::caption(again, "Label5"), QString());
    }

    void backClosesOnlyItsOwnScreen()
    {
        nav::leaveSplash();
        auto *menu = nav::screenAs<app::MainMenu>(ScreenId::Menu);
        menu->Command2_Click();
        menu->Command6_Click();
        Screen *five = nav::screen(ScreenId::FiveBandDecoder);
        screentest::choose(five->control<DropDownList>("band1"), QStringLiteral("grey"));
        click(nav::screen(ScreenId::FourBandDecoder)->control<CommandButton>("Command1"));
        settle();
        QVERIFY(!loaded(ScreenId::FourBandDecoder));
        QCOMPARE(nav::screen(ScreenId::FiveBandDecoder), five);
        QVERIFY(five->isVisible());
        QCOMPARE(five->control<DropDownList>("band1")->text(), QStringLiteral("grey"));
    }

    void unloadedScreenRunsNoTimer()
    {
        nav::leaveSplash();
        nav::open(ScreenId::FourBandDecoder);
        QPointer<Timer> timer = nav::screen(ScreenId::FourBandDecoder)->timer("Timer1");
        int ticks = 0;
        connect(timer, &Timer::ticked, this, [&] { ++ticks; });
        QTRY_VERIFY(ticks > 0);
        nav::backToMenu(ScreenId::FourBandDecoder);
        ticks = 0;
        QTest::qWait(50);
        QCOMPARE(ticks, 0);
        QVERIFY(!timer);
    }

    void quitClosesEverythingAndEnds()
    {
        nav::leaveSplash();
        auto *menu = nav::screenAs<app::MainMenu>(ScreenId::Menu);
        menu->Command2_Click();
        menu->Command6_Click();
        click(menu->control<CommandButton>("Command4"));
        settle();
        for (int i = 0; i < kScreenCount; ++i)
            QVERIFY(!loaded(ScreenId(i)));
        QCOMPARE(m_ends, 1);
    }

    void buttonOfAScreenNotBuiltDoesNothing()
    {
        nav::setFactory(ScreenId::Chart, {});
        nav::leaveSplash();
        click(nav::screen(ScreenId::Menu)->control<CommandButton>("Command1"));
        settle();
        QVERIFY(!loaded(ScreenId::Chart));
        QVERIFY(nav::screen(ScreenId::Menu)->isVisible());
    }

    void desktopCloseActsAsTheScreensWayOut_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<bool>("menuStays");
        QTest::addColumn<int>("ends");
        QTest::newRow("splash") << int(ScreenId::Splash) << true << 0;
        QTest::newRow("decoder") << int(ScreenId::FourBandDecoder) << true << 0;
        QTest::newRow("five band decoder") << int(ScreenId::FiveBandDecoder) << true << 0;
        QTest::newRow("menu") << int(ScreenId::Menu) << false << 1;
    }
    void desktopCloseActsAsTheScreensWayOut()
    {
        QFETCH(int, screen);
        QFETCH(bool, menuStays);
        QFETCH(int, ends);
        const ScreenId id = ScreenId(screen);
        if (id != ScreenId::Splash) {
            nav::leaveSplash();
            if (id != ScreenId::Menu)
                nav::open(id);
        }
        Screen *s = nav::screen(id);
        QVERIFY(s);
        QVERIFY(!s->close()); // the close is refused; the screen's own way out runs
        settle();
        QVERIFY(!loaded(id));
        QCOMPARE(loaded(ScreenId::Menu), menuStays);
        if (menuStays)
            QVERIFY(nav::screen(ScreenId::Menu)->isVisible());
        QCOMPARE(m_ends, ends);
    }

    void noCaptionIsCut_data()
    {
        QTest::addColumn<int>("screen");
        for (int i = 0; i < kScreenCount; ++i)
            QTest::newRow(qPrintable(QStringLiteral("screen %1").arg(i))) << i;
    }
    void noCaptionIsCut()
    {
        QFETCH(int, screen);
        const ScreenId id = ScreenId(screen);
        if (!nav::isBuilt(id))
            QSKIP("not built");
        nav::show(id);
        QCOMPARE(screentest::cutCaptions(nav::screen(id)), QStringList());
    }

private:
    int m_ends = 0;
};

OHMARA_WIDGET_TEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
