#include "support/screentest.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QSignalSpy>
#include <QThread>

using namespace ui;
using screentest::choose;

namespace {

const char *const kItems[] = {"brown", "red", "green", "grey", "no band"};

const WindowDef kWindow{"Test", 4500, 3000, Border::FixedSingle, true, Placement::CentreScreen};

// Opaque labels in red and green overlap; the first in the list must lie on top.
// clang-format off
const ControlDef kControls[] = {
        {.name = "top", .kind = Kind::Label, .left = 0, .top = 0, .width = 600, .height = 600,
         .backColour = 0x0000FF},
        {.name = "under", .kind = Kind::Label, .left = 300, .top = 0, .width = 600,
         .height = 600, .backColour = 0x00FF00},
        {.name = "glass", .kind = Kind::Label, .left = 0, .top = 900, .width = 600,
         .height = 300, .caption = "  ", .flags = Flag::Transparent},
        {.name = "floor", .kind = Kind::Label, .left = 0, .top = 900, .width = 900,
         .height = 300, .backColour = 0xFF0000},
        {.name = "boxed", .kind = Kind::Label, .left = 1500, .top = 900, .width = 600,
         .height = 300, .backColour = 0xFFFFFF, .flags = Flag::Border},
        {.name = "hidden", .kind = Kind::Label, .left = 1500, .top = 1500, .width = 600,
         .height = 300, .caption = "x", .flags = Flag::Hidden},
        {.name = "scheme", .kind = Kind::Label, .left = 2400, .top = 1500, .width = 600,
         .height = 300, .foreColour = kScheme3DHighlight},
        {.name = "button", .kind = Kind::CommandButton, .left = 600, .top = 300, .width = 900,
         .height = 300, .caption = "go", .tabIndex = 2},
        {.name = "list", .kind = Kind::DropDownList, .left = 2400, .top = 0, .width = 1200,
         .height = 315, .tabIndex = 1, .items = kItems},
        {.name = "box", .kind = Kind::TextBox, .left = 2400, .top = 600, .width = 1200,
         .height = 285, .caption = "0", .tabIndex = 3},
        {.name = "fast", .kind = Kind::Timer, .interval = 1},
};
// clang-format on

class TestScreen : public Screen
{
public:
    TestScreen()
        : Screen(ScreenId::Chart, kWindow, kControls)
    { }
};

QColor pixel(QWidget *w, int x, int y)
{
    return w->grab().toImage().pixelColor(x, y);
}

} // namespace

class TestControls : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_screen = new TestScreen;
        m_screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_screen));
    }
    void cleanup()
    {
        delete m_screen;
        m_screen = nullptr;
    }

    void twipsArePixelsAt96Dpi_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("px");
        QTest::newRow("one pixel") << 15 << 1;
        QTest::newRow("half rounds up") << 8 << 1;
        QTest::newRow("below half") << 7 << 0;
        QTest::newRow("1810") << 1810 << 121;
        QTest::newRow("menu width") << 5085 << 339;
        QTest::newRow("button") << 1455 << 97;
    }
    void twipsArePixelsAt96Dpi()
    {
        QFETCH(int, twips);
        QFETCH(int, px);
        QCOMPARE(pixels(twips), px);
    }

    void windowIsClientSize()
    {
        QCOMPARE(m_screen->size(), QSize(300, 200));
        QCOMPARE(m_screen->minimumSize(), m_screen->maximumSize());
        const Qt::WindowFlags f = m_screen->windowFlags();
        QVERIFY(!(f & Qt::WindowCloseButtonHint));
        QVERIFY(!(f & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(f & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(f & Qt::WindowSystemMenuHint));
    }

    void captionReadsBackExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("leading blank") << " Kohm";
        QTest::newRow("trailing blanks") << "9   ";
        QTest::newRow("blank") << " ";
        QTest::newRow("empty") << "";
        QTest::newRow("ampersand") << "R&D";
        QTest::newRow("markup") << "<b>1</b>";
    }
    void captionReadsBackExactly()
    {
        QFETCH(QString, text);
        auto *label = m_screen->control<Label>("top");
        label->setCaption(text);
        QCOMPARE(label->caption(), text);
    }

    void hiddenLabelKeepsItsState()
    {
        auto *label = m_screen->control<Label>("hidden");
        QVERIFY(label->isHidden());
        QCOMPARE(label->caption(), QStringLiteral("x"));
        label->setCaption(QStringLiteral(".05"));
        label->setBackColour(0x123456);
        QCOMPARE(label->caption(), QStringLiteral(".05"));
        QCOMPARE(label->backColour(), 0x123456u);
        QVERIFY(label->isHidden());
    }

    void firstInDesignListLiesOnTop()
    {
        // overlap of "top" (red) and "under" (green) is x 20..39
        QCOMPARE(pixel(m_screen, 30, 20), QColor(255, 0, 0));
        QCOMPARE(pixel(m_screen, 50, 10), QColor(0, 255, 0));
    }

    void buttonsLieAboveLabels()
    {
        // "under" reaches into the button at x 40..59, y 20..39
        QVERIFY(pixel(m_screen, 50, 30) != QColor(0, 255, 0));
    }

    void transparentLabelShowsWhatIsBelow()
    {
        QCOMPARE(pixel(m_screen, 20, 65), QColor(0, 0, 255));
    }

    void writingBackColourRepaints()
    {
        auto *label = m_screen->control<Label>("top");
        label->setBackColour(0x01FFFF); // (255,255,1)
        QCOMPARE(label->backColour(), 0x01FFFFu);
        QCOMPARE(pixel(m_screen, 10, 10), QColor(255, 255, 1));
    }

    void borderIsOneLine()
    {
        const QColor text = m_screen->palette().color(QPalette::WindowText);
        QCOMPARE(pixel(m_screen, 100, 60), text); // left edge
        QCOMPARE(pixel(m_screen, 101, 61), QColor(255, 255, 255));
    }

    void schemeColoursComeFromThePalette()
    {
        const QPalette pal = m_screen->palette();
        QCOMPARE(colourOf(kScheme3DHighlight, pal, QPalette::Window), pal.color(QPalette::Light));
        QCOMPARE(colourOf(kSchemeWindowText, pal, QPalette::Window),
                 pal.color(QPalette::WindowText));
        QCOMPARE(colourOf(0x404080, pal, QPalette::Window), QColor(128, 64, 64));
        auto *label = m_screen->control<Label>("scheme");
        QCOMPARE(label->palette().color(QPalette::WindowText), pal.color(QPalette::Light));
    }

    void fontsArePixelSized()
    {
        QCOMPARE(fontOf(Font::Standard).pixelSize(), 11);
        QCOMPARE(fontOf(Font::Medium).pixelSize(), 13);
        QCOMPARE(fontOf(Font::Large).pixelSize(), 32);
        QCOMPARE(fontOf(Font::Bold).weight(), QFont::Bold);
        QCOMPARE(fontOf(Font::ArialBold).pixelSize(), 24);
        QCOMPARE(QFontInfo(fontOf(Font::Standard)).family(), QStringLiteral("Liberation Sans"));
    }

    void listStartsWithNothingChosen()
    {
        auto *list = m_screen->control<DropDownList>("list");
        QCOMPARE(list->text(), QString());
        QCOMPARE(list->count(), 5);
        QCOMPARE(list->itemText(4), QStringLiteral("no band"));
    }

    void keyboardChoiceRaisesClickAfterTheChoice()
    {
        auto *list = m_screen->control<DropDownList>("list");
        QStringList seen;
        connect(list, &DropDownList::clicked, this, [&] { seen << list->text(); });
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_G);
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(seen, (QStringList{"brown", "red", "green", "red"}));
    }

    void writingTextChoosesWithoutClick()
    {
        auto *list = m_screen->control<DropDownList>("list");
        QSignalSpy clicks(list, &DropDownList::clicked);
        list->setText(QStringLiteral("grey"));
        QCOMPARE(list->text(), QStringLiteral("grey"));
        QCOMPARE(clicks.count(), 0);
    }

    void disabledListKeepsItsChoice()
    {
        auto *list = m_screen->control<DropDownList>("list");
        choose(list, QStringLiteral("green"));
        list->setEnabled(false);
        QSignalSpy clicks(list, &DropDownList::clicked);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->text(), QStringLiteral("green"));
        QCOMPARE(clicks.count(), 0);
        list->setEnabled(true);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->text(), QStringLiteral("grey"));
        QCOMPARE(clicks.count(), 1);
    }

    void spaceAndEnterClickAButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("space") << int(Qt::Key_Space);
        QTest::newRow("return") << int(Qt::Key_Return);
        QTest::newRow("enter") << int(Qt::Key_Enter);
    }
    void spaceAndEnterClickAButton()
    {
        QFETCH(int, key);
        auto *button = m_screen->control<CommandButton>("button");
        QSignalSpy clicks(button, &CommandButton::clicked);
        button->setFocus();
        QTest::keyClick(button, Qt::Key(key));
        QCOMPARE(clicks.count(), 1);
    }

    void focusFollowsTabIndex()
    {
        QApplication::setActiveWindow(m_screen);
        QCOMPARE(QApplication::focusWidget(), m_screen->control<QWidget>("list"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_screen->control<QWidget>("button"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_screen->control<QWidget>("box"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), m_screen->control<QWidget>("button"));
        // round the window and back, with no stop in between
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), m_screen->control<QWidget>("box"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_screen->control<QWidget>("list"));
    }

    void labelsNeverTakeFocus()
    {
        QCOMPARE(m_screen->control<Label>("top")->focusPolicy(), Qt::NoFocus);
    }

    void textBoxHoldsDesignText()
    {
        auto *box = m_screen->control<TextBox>("box");
        QCOMPARE(box->text(), QStringLiteral("0"));
        box->setText(QStringLiteral(" 4.7 "));
        QCOMPARE(box->text(), QStringLiteral(" 4.7 "));
    }

    void slowHandlerDoesNotMakeTicksBurst()
    {
        int ticks = 0;
        Timer *timer = m_screen->timer("fast");
        connect(timer, &Timer::ticked, this, [&] {
            ++ticks;
            QThread::msleep(40);
        });
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 400)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        // at most one tick per 40 ms handler, however many fell due meanwhile
        QVERIFY2(ticks >= 3 && ticks <= 11, qPrintable(QString::number(ticks)));
    }

    void disabledTimerStopsAndRestarts()
    {
        Timer *timer = m_screen->timer("fast");
        QSignalSpy ticks(timer, &Timer::ticked);
        QVERIFY(ticks.wait(200));
        timer->setEnabled(false);
        ticks.clear();
        QTest::qWait(60);
        QCOMPARE(ticks.count(), 0);
        timer->setEnabled(true);
        QVERIFY(ticks.wait(200));
    }

    void aChoiceTicksAtOnceAndOnlyOnce()
    {
        Timer *timer = m_screen->timer("fast");
        QCoreApplication::processEvents(); // the tick that comes with the window
        QSignalSpy ticks(timer, &Timer::ticked);
        auto *list = m_screen->control<DropDownList>("list");
        choose(list, QStringLiteral("red"));
        choose(list, QStringLiteral("grey"));
        QCOMPARE(ticks.count(), 0); // never inside a handler
        QCoreApplication::processEvents();
        QCOMPARE(ticks.count(), 1); // merged, not queued
    }

    void stoppedTimersStayStopped()
    {
        Timer *timer = m_screen->timer("fast");
        QSignalSpy ticks(timer, &Timer::ticked);
        m_screen->stopTimers();
        QTest::qWait(60);
        QCOMPARE(ticks.count(), 0);
    }

private:
    TestScreen *m_screen = nullptr;
};

OHMARA_WIDGET_TEST_MAIN(TestControls)
#include "tst_controls.moc"
