#include "chart/colourchart.h"
#include "colourcode/bandcolour.h"
#include "colourcode/numbertext.h"
#include "support/screentest.h"

#include <QApplication>

using namespace ui;
namespace nav = ui::navigation;
namespace cc = colourcode;

namespace {

enum Column { Swatch, Digit1, Digit2, Digit3, Multiplier, Tolerance, Columns };

// The rules between the columns, in pixels: the chart is read by where its texts stand.
Column columnAt(int x)
{
    const int bounds[] = {pixels(1080), pixels(1680), pixels(2385), pixels(2985), pixels(4290)};
    int c = 0;
    while (c < 5 && x >= bounds[c])
        ++c;
    return Column(c);
}

} // namespace

class TestChart : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { screentest::startAtMenu(); }
    void init()
    {
        nav::open(ScreenId::Chart);
        m_s = nav::screen(ScreenId::Chart);
        QVERIFY(QTest::qWaitForWindowExposed(m_s));
    }
    void cleanup()
    {
        nav::unload(ScreenId::Chart);
        screentest::settle();
    }

    void window()
    {
        QCOMPARE(m_s->windowTitle(), QStringLiteral("Colour Codes list"));
        QCOMPARE(m_s->size(), QSize(356, 450));
        QVERIFY(m_s->minimumSize() != m_s->maximumSize()); // sizable
        QCOMPARE(m_s->focusWidget(), m_s->control<QWidget>("Command1"));
        QCOMPARE(m_s->findChildren<Line *>().size(), 31);
        QCOMPARE(m_s->findChildren<Label *>().size(), 62);
    }

    // Every row of the chart agrees with the colour code table.
    void chartAgreesWithTheTable()
    {
        const int tableTop = pixels(2280);
        const int rowHeight = pixels(240);
        QList<QStringList> rows(13, QStringList(Columns));
        for (Label *label : m_s->findChildren<Label *>()) {
            const QRect g = label->geometry();
            if (g.top() < tableTop || g.top() >= pixels(5400))
                continue;
            const int row = (g.top() - tableTop) / rowHeight;
            QVERIFY2(rows[row][columnAt(g.left())].isEmpty(), qPrintable(label->objectName()));
            rows[row][columnAt(g.left())] = label->caption();
        }

        const auto table = cc::table();
        QCOMPARE(table.size(), size_t(13));
        for (size_t i = 0; i < table.size(); ++i) {
            const cc::BandColour &c = table[i];
            const QStringList &row = rows[int(i)];
            QCOMPARE(row[Swatch], QLatin1String(c.listName));
            // black is never a first digit; gold, silver and no band never a digit
            const QString digit = QLatin1String(c.digitText());
            QCOMPARE(row[Digit1].trimmed(), c.digit == 0 ? QString() : digit);
            QCOMPARE(row[Digit2].trimmed(), digit);
            QCOMPARE(row[Digit3].trimmed(), digit);
            QCOMPARE(row[Multiplier],
                     c.multiplier ? QStringLiteral("x") + cc::toText(*c.multiplier) : QString());
            if (c.tolerance)
                QVERIFY2(row[Tolerance].startsWith(QLatin1String(c.tolerance->listText)
                                                   + QStringLiteral(" tol")),
                         qPrintable(row[Tolerance]));
            else
                QCOMPARE(row[Tolerance], QString());
        }
    }

    void captionsAsWritten_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        QTest::newRow("header") << "Label2"
                                << "digit 1    digit 2       digit 3";
        QTest::newRow("tolerence") << "Label48"
                                   << "tolerence";
        QTest::newRow("purple 7") << "Label51"
                                  << "7     ";
        QTest::newRow("grey 8") << "Label62"
                                << "8       ";
        QTest::newRow("white 9") << "Label42"
                                 << "9   ";
        QTest::newRow("1% tol.") << "Label22"
                                 << "1% tol.";
        QTest::newRow("2% tol") << "Label30"
                                << "2% tol";
        QTest::newRow("example above") << "Label64"
                                       << "1 Kilo ohm (1000 ohms)";
        QTest::newRow("example below") << "Label65"
                                       << "1 Kilo ohm (1000 ohms)";
    }
    void captionsAsWritten()
    {
        QFETCH(QString, label);
        QTEST(screentest::caption(m_s, qPrintable(label)), "caption");
    }

    void swatchColours_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QColor>("back");
        QTest::addColumn<QColor>("text");
        const QColor white(255, 255, 255), black(0, 0, 0);
        QTest::newRow("black") << "Label3" << black << white;
        QTest::newRow("orange") << "Label6" << QColor(255, 128, 0) << white;
        QTest::newRow("yellow") << "Label7" << QColor(255, 255, 0) << black;
        QTest::newRow("green") << "Label8" << QColor(0, 192, 0) << white;
        QTest::newRow("grey") << "Label11" << QColor(64, 64, 64) << white;
        QTest::newRow("silver") << "Label17" << QColor(176, 176, 176)
                                << QApplication::palette().color(QPalette::Light);
        QTest::newRow("no band") << "Label18" << QColor(255, 255, 192)
                                 << QApplication::palette().color(QPalette::ButtonText);
    }
    void swatchColours()
    {
        QFETCH(QString, label);
        QFETCH(QColor, back);
        QFETCH(QColor, text);
        auto *l = m_s->findChild<Label *>(label);
        QCOMPARE(l->palette().color(QPalette::Window), back);
        QCOMPARE(l->palette().color(QPalette::WindowText), text);
        QVERIFY(!l->isTransparent());
        QCOMPARE(m_s->grab().toImage().pixelColor(l->geometry().topRight() + QPoint(-2, 2)), back);
    }

    void rulesShowThroughTheTexts()
    {
        // the rule at x 2985 runs through the third-digit label "0" of the black row
        const QImage shot = m_s->grab().toImage();
        QCOMPARE(shot.pixelColor(pixels(2985), pixels(2280) + 12),
                 m_s->palette().color(QPalette::WindowText));
    }

    void resizingMovesNothing()
    {
        const QRect before = m_s->control<Label>("Label45")->geometry();
        m_s->resize(600, 700);
        QCOMPARE(m_s->control<Label>("Label45")->geometry(), before);
        m_s->resize(200, 200);
        QCOMPARE(m_s->control<Label>("Label45")->geometry(), before);
    }

    void examplesAreDrawn()
    {
        for (const char *name : {"Picture1", "Picture2"})
            QCOMPARE(m_s->control<PictureBox>(name)->pixmap().size(), QSize(163, 58));
        for (const char *file : {":/art/chart-four.png", ":/art/chart-five.png"})
            QCOMPARE(QImage(QLatin1String(file)).colorCount(), 16);
    }

    void backReturnsToTheMenu()
    {
        QTest::mouseClick(m_s->control<CommandButton>("Command1"), Qt::LeftButton);
        screentest::settle();
        QVERIFY(!nav::screen(ScreenId::Chart));
        QVERIFY(nav::screen(ScreenId::Menu)->isVisible());
    }

private:
    Screen *m_s = nullptr;
};

OHMARA_WIDGET_TEST_MAIN(TestChart)
#include "tst_chart.moc"
