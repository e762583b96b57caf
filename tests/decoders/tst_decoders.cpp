#include "decoders/fivebanddecoder.h"
#include "decoders/fourbanddecoder.h"
#include "support/screentest.h"

#include <QApplication>

using namespace ui;
using screentest::back;
using screentest::caption;
using screentest::choose;
using screentest::shown;
namespace nav = ui::navigation;

namespace {

// The large display as the user reads it: the digits with their points, then the words.
QString display(Screen *s)
{
    QString digits;
    if (shown(s, "Label21") && s->id() == ScreenId::FourBandDecoder)
        digits += u'.';
    digits += caption(s, "Label5");
    if (s->id() == ScreenId::FiveBandDecoder && shown(s, "Label21"))
        digits += u'.';
    if (s->id() == ScreenId::FourBandDecoder && shown(s, "Label20"))
        digits += u'.';
    digits += caption(s, "Label11");
    if (s->id() == ScreenId::FiveBandDecoder) {
        if (shown(s, "Label20"))
            digits += u'.';
        digits += caption(s, "Label33");
    }
    digits += caption(s, "Label12");
    QStringList words{digits};
    if (!caption(s, "Label8").isEmpty())
        words << caption(s, "Label8");
    if (shown(s, "Label7"))
        words << caption(s, "Label7");
    if (!caption(s, "Label9").isEmpty())
        words << caption(s, "Label9");
    if (shown(s, "Label10"))
        words << caption(s, "Label10");
    return words.join(u' ');
}

QString range(Screen *s)
{
    return QStringLiteral("%1 to %2 %3 %4 | %5")
            .arg(caption(s, "minvalue"), caption(s, "maxvalue"), caption(s, "multimin"),
                 caption(s, "multimax"), caption(s, "Label29"));
}

} // namespace

class TestDecoders : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { screentest::startAtMenu(); }
    void cleanup()
    {
        nav::unload(ScreenId::FourBandDecoder);
        nav::unload(ScreenId::FiveBandDecoder);
        screentest::settle();
    }

    void fourBandExamples_data()
    {
        QTest::addColumn<QStringList>("bands");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("range");
        QTest::addColumn<QList<quint32>>("paints");
        QTest::addColumn<QString>("value");

        QTest::newRow("1k") << QStringList{"brown", "black", "red", "gold"} << "1.0 kilo ohms 5 %"
                            << "0.95 to 1.05 Kohm Kohm | 5"
                            << QList<quint32>{0x404080, 0x000000, 0x0000FF, 0x01C0C0} << "1000";
        QTest::newRow("47k") << QStringList{"yellow", "purple", "orange", "gold"}
                             << "47 kilo ohms 5 %"
                             << "44.65 to 49.35 Kohm Kohm | 5"
                             << QList<quint32>{0x01FFFF, 0xFF00FF, 0x0180FF, 0x01C0C0} << "47000";
        QTest::newRow("100R") << QStringList{"brown", "black", "brown", "no band"}
                              << "100 ohms 20 %"
                              << "80 to 120 ohm ohm | 20"
                              << QList<quint32>{0x404080, 0x000000, 0x404080, 0xC0FFFF} << "100";
        QTest::newRow("33R") << QStringList{"orange", "orange", "black", "brown"} << "33 ohms 1 %"
                             << "32.67 to 33.33 ohm ohm | 1"
                             << QList<quint32>{0x0180FF, 0x0180FF, 0x000000, 0x404080} << "33";
        QTest::newRow("1R0") << QStringList{"brown", "black", "gold", "silver"} << "1.0 ohms 10 %"
                             << "0.9 to 1.1 ohm ohm | 10"
                             << QList<quint32>{0x404080, 0x000000, 0x01C0C0, 0xB0B0B0} << "1.0";
        QTest::newRow("R22") << QStringList{"red", "red", "silver", "gold"} << ".22 ohms 5 %"
                             << "0.209 to 0.231 ohm ohm | 5"
                             << QList<quint32>{0x0100FF, 0x0100FF, 0xB0B0B0, 0x01C0C0} << ".22";
        QTest::newRow("560k") << QStringList{"green", "blue", "yellow", "red"}
                              << "560 kilo ohms 2 %"
                              << "548.8 to 571.2 Kohm Kohm | 2"
                              << QList<quint32>{0x01FF00, 0xFF0000, 0x01FFFF, 0x0000FF} << "560000";
        QTest::newRow("99M") << QStringList{"white", "white", "blue", "no band"}
                             << "99 mega ohms 20 %"
                             << "79.2 to 118.8 Mohm Mohm | 20"
                             << QList<quint32>{0xFFFFFF, 0xFFFFFF, 0xFF0000, 0xC0FFFF}
                             << "99000000";
        QTest::newRow("4.7M green")
                << QStringList{"yellow", "purple", "green", "red"} << "4.7 mega ohms 2 %"
                << "4.606 to 4.794 Mohm Mohm | 2"
                << QList<quint32>{0x01FFFF, 0xFF00FF, 0x01FF00, 0x0000FF} << "4700000";
        QTest::newRow("990R stays ohm")
                << QStringList{"white", "white", "brown", "no band"} << "990 ohms 20 %"
                << "792 to 1188 ohm ohm | 20"
                << QList<quint32>{0xFFFFFF, 0xFFFFFF, 0x404080, 0xC0FFFF} << "990";
    }
    void fourBandExamples()
    {
        QFETCH(QStringList, bands);
        QFETCH(QList<quint32>, paints);
        nav::open(ScreenId::FourBandDecoder);
        auto *s = nav::screenAs<decoders::FourBandDecoder>(ScreenId::FourBandDecoder);
        const char *lists[] = {"band1", "band2", "band3", "band4"};
        for (int i = 0; i < 4; ++i)
            choose(s->control<DropDownList>(lists[i]), bands[i]);
        // the drawing and the display follow at once
        QTEST(display(s), "display");
        const char *bandLabels[] = {"Label17", "Label16", "Label15", "Label14"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(back(s, bandLabels[i]), paints[i]);
        // the range on the next tick
        s->Timer1_Timer();
        QTEST(range(s), "range");
        QTEST(caption(s, "Label26"), "value");
        s->Timer1_Timer();
        QTEST(range(s), "range");
    }

    void fiveBandExamples_data()
    {
        QTest::addColumn<QStringList>("bands");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("range");
        QTest::addColumn<QList<quint32>>("paints");

        QTest::newRow("1k00") << QStringList{"brown", "black", "black", "brown", "brown"}
                              << "1.00 kilo ohms 1 %"
                              << "0.99 to 1.01 Kohm Kohm | 1"
                              << QList<quint32>{0x404080, 0, 0, 0x404080, 0x404080};
        QTest::newRow("47k0") << QStringList{"yellow", "purple", "black", "red", "gold"}
                              << "47.0 kilo ohms 5 %"
                              << "44.65 to 49.35 Kohm Kohm | 5"
                              << QList<quint32>{0x01FFFF, 0xFF00FF, 0, 0x0000FF, 0x01C0C0};
        QTest::newRow("2R20") << QStringList{"red", "red", "black", "silver", "brown"}
                              << "2.20 ohms 1 %"
                              << "2.178 to 2.222 ohm ohm | 1"
                              << QList<quint32>{0x0100FF, 0x0100FF, 0, 0xB0B0B0, 0x404080};
        QTest::newRow("10R0") << QStringList{"brown", "black", "black", "gold", "red"}
                              << "10.0 ohms 2 %"
                              << "9.8 to 10.2 ohm ohm | 2"
                              << QList<quint32>{0x404080, 0, 0, 0x01C0C0, 0x0000FF};
        QTest::newRow("999M") << QStringList{"white", "white", "white", "blue", "no band"}
                              << "999 mega ohms 20 %"
                              << "799.2 to 1198.8 Mohm Mohm | 20"
                              << QList<quint32>{0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFF0000, 0xFF8080};
        QTest::newRow("4.70M") << QStringList{"yellow", "purple", "black", "yellow", "silver"}
                               << "4.70 mega ohms 10 %"
                               << "4.23 to 5.17 Mohm Mohm | 10"
                               << QList<quint32>{0x01FFFF, 0xFF00FF, 0, 0x01FFFF, 0xB0B0B0};
        QTest::newRow("470R") << QStringList{"yellow", "purple", "black", "black", "gold"}
                              << "470 ohms 5 %"
                              << "446.5 to 493.5 ohm ohm | 5"
                              << QList<quint32>{0x01FFFF, 0xFF00FF, 0, 0, 0x01C0C0};
        QTest::newRow("470M") << QStringList{"yellow", "purple", "black", "blue", "gold"}
                              << "470 mega ohms 5 %"
                              << "446.5 to 493.5 Mohm Mohm | 5"
                              << QList<quint32>{0x01FFFF, 0xFF00FF, 0, 0xFF0000, 0x01C0C0};
        QTest::newRow("47.0M") << QStringList{"yellow", "purple", "black", "green", "gold"}
                               << "47.0 mega ohms 5 %"
                               << "44.65 to 49.35 Mohm Mohm | 5"
                               << QList<quint32>{0x01FFFF, 0xFF00FF, 0, 0x01FF00, 0x01C0C0};
    }
    void fiveBandExamples()
    {
        QFETCH(QStringList, bands);
        QFETCH(QList<quint32>, paints);
        nav::open(ScreenId::FiveBandDecoder);
        auto *s = nav::screenAs<decoders::FiveBandDecoder>(ScreenId::FiveBandDecoder);
        const char *lists[] = {"band1", "band2", "band3", "band4", "band5"};
        for (int i = 0; i < 5; ++i)
            choose(s->control<DropDownList>(lists[i]), bands[i]);
        QTEST(display(s), "display");
        const char *bandLabels[] = {"Label17", "Label16", "Label32", "Label15", "Label14"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(back(s, bandLabels[i]), paints[i]);
        QCOMPARE(caption(s, "Label12"), QString());
        s->Timer1_Timer();
        QTEST(range(s), "range");
    }

    void designState_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<quint32>("body");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QSize>("size");
        QTest::newRow("four") << int(ScreenId::FourBandDecoder) << 0xC0FFFFu
                              << "Colour Code to Value" << QSize(546, 318);
        QTest::newRow("five") << int(ScreenId::FiveBandDecoder) << 0xFF8080u
                              << "5 band colour code to value" << QSize(496, 316);
    }
    void designState()
    {
        QFETCH(int, screen);
        QFETCH(quint32, body);
        const ScreenId id = ScreenId(screen);
        nav::open(id);
        Screen *s = nav::screen(id);
        QTEST(s->windowTitle(), "title");
        QTEST(s->size(), "size");
        QCOMPARE(s->windowType(), Qt::Dialog); // no taskbar button
        for (auto *list : s->findChildren<DropDownList *>())
            QCOMPARE(list->text(), QString());
        for (const char *name :
             {"Label2", "Label17", "Label3", "Label16", "Label4", "Label15", "Label13", "Label14"})
            QCOMPARE(back(s, name), body);
        QCOMPARE(back(s, "Label18"), 0xFFFFFFu);
        for (const char *name :
             {"Label7", "Label10", "Label20", "Label21", "Label26", "Label27", "Label28"})
            QVERIFY2(!shown(s, name), name);
        QCOMPARE(caption(s, "Label7"), QStringLiteral("ohms"));
        QCOMPARE(display(s), QString());
        // the first tick sets the units only
        QTRY_COMPARE(range(s), QStringLiteral(" to  ohm ohm | "));
        QCOMPARE(s->focusWidget(), s->control<QWidget>("band1"));
    }

    void headings()
    {
        nav::open(ScreenId::FourBandDecoder);
        nav::open(ScreenId::FiveBandDecoder);
        const QString gap(24, u' ');
        QCOMPARE(caption(nav::screen(ScreenId::FourBandDecoder), "Label22"),
                 QStringLiteral("band 1") + gap + QStringLiteral("band 2") + gap
                         + QStringLiteral("band 3") + gap + QStringLiteral("band 4 / tolerance "));
        QCOMPARE(caption(nav::screen(ScreenId::FiveBandDecoder), "Label22"),
                 QStringLiteral("band 1") + gap + QStringLiteral("band 2") + gap
                         + QStringLiteral("band 3") + gap + QStringLiteral("band 4 multiplier    ")
                         + QStringLiteral("band 5 tolerance "));
    }

    void tabOrder_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("four") << int(ScreenId::FourBandDecoder)
                              << QStringList{"band1", "band2", "band3", "band4", "Command1"};
        QTest::newRow("five") << int(ScreenId::FiveBandDecoder)
                              << QStringList{"band1", "band2", "band3",
                                             "band4", "band5", "Command1"};
    }
    void tabOrder()
    {
        QFETCH(int, screen);
        nav::open(ScreenId(screen));
        QStringList names;
        for (QWidget *w : nav::screen(ScreenId(screen))->tabOrder())
            names << w->objectName();
        QTEST(names, "order");
    }

    void beforeAMultiplierTheRangeReadsAsBlack()
    {
        nav::open(ScreenId::FourBandDecoder);
        auto *s = nav::screenAs<decoders::FourBandDecoder>(ScreenId::FourBandDecoder);
        choose(s->control<DropDownList>("band1"), QStringLiteral("brown"));
        choose(s->control<DropDownList>("band2"), QStringLiteral("black"));
        choose(s->control<DropDownList>("band4"), QStringLiteral("gold"));
        s->Timer1_Timer();
        QCOMPARE(display(s), QStringLiteral("10 5 %"));
        QCOMPARE(range(s), QStringLiteral("9.5 to 10.5 ohm ohm | 5"));
    }

    void missingSecondDigit()
    {
        nav::open(ScreenId::FourBandDecoder);
        auto *s = nav::screenAs<decoders::FourBandDecoder>(ScreenId::FourBandDecoder);
        choose(s->control<DropDownList>("band1"), QStringLiteral("yellow"));
        choose(s->control<DropDownList>("band3"), QStringLiteral("red"));
        choose(s->control<DropDownList>("band4"), QStringLiteral("gold"));
        s->Timer1_Timer();
        QCOMPARE(display(s), QStringLiteral("4. kilo ohms 5 %"));
        QCOMPARE(range(s), QStringLiteral("0.38 to 0.42 Kohm Kohm | 5"));
    }

    void onlyATolerance()
    {
        nav::open(ScreenId::FourBandDecoder);
        auto *s = nav::screenAs<decoders::FourBandDecoder>(ScreenId::FourBandDecoder);
        choose(s->control<DropDownList>("band4"), QStringLiteral("silver"));
        s->Timer1_Timer();
        QCOMPARE(range(s), QStringLiteral(" to  ohm ohm | 10"));
    }

    void goldWithoutDigitsKeepsTheRange()
    {
        nav::open(ScreenId::FourBandDecoder);
        auto *s = nav::screenAs<decoders::FourBandDecoder>(ScreenId::FourBandDecoder);
        choose(s->control<DropDownList>("band4"), QStringLiteral("gold"));
        choose(s->control<DropDownList>("band3"), QStringLiteral("gold"));
        s->Timer1_Timer();
        QCOMPARE(caption(s, "Label26"), QStringLiteral("."));
        QCOMPARE(range(s), QStringLiteral(" to  ohm ohm | 5"));
    }

    void silverToGoldMovesThePoint()
    {
        nav::open(ScreenId::FourBandDecoder);
        auto *s = nav::screenAs<decoders::FourBandDecoder>(ScreenId::FourBandDecoder);
        choose(s->control<DropDownList>("band1"), QStringLiteral("yellow"));
        choose(s->control<DropDownList>("band2"), QStringLiteral("purple"));
        choose(s->control<DropDownList>("band3"), QStringLiteral("silver"));
        QCOMPARE(display(s), QStringLiteral(".47 ohms"));
        choose(s->control<DropDownList>("band3"), QStringLiteral("gold"));
        QCOMPARE(display(s), QStringLiteral("4.7 ohms"));
        QVERIFY(!(shown(s, "Label20") && shown(s, "Label21")));
        choose(s->control<DropDownList>("band3"), QStringLiteral("brown"));
        QCOMPARE(display(s), QStringLiteral("470 ohms"));
        choose(s->control<DropDownList>("band3"), QStringLiteral("yellow"));
        QCOMPARE(display(s), QStringLiteral("470 kilo ohms"));
    }

    void multiplierRedToBlack()
    {
        nav::open(ScreenId::FourBandDecoder);
        auto *s = nav::screenAs<decoders::FourBandDecoder>(ScreenId::FourBandDecoder);
        choose(s->control<DropDownList>("band1"), QStringLiteral("yellow"));
        choose(s->control<DropDownList>("band2"), QStringLiteral("purple"));
        choose(s->control<DropDownList>("band3"), QStringLiteral("red"));
        choose(s->control<DropDownList>("band4"), QStringLiteral("gold"));
        s->Timer1_Timer();
        QCOMPARE(range(s), QStringLiteral("4.465 to 4.935 Kohm Kohm | 5"));
        choose(s->control<DropDownList>("band3"), QStringLiteral("black"));
        s->Timer1_Timer();
        QCOMPARE(range(s), QStringLiteral("44.65 to 49.35 ohm ohm | 5"));
    }

    void theTimerComputesByItself()
    {
        nav::open(ScreenId::FiveBandDecoder);
        Screen *s = nav::screen(ScreenId::FiveBandDecoder);
        for (auto [list, item] : {std::pair{"band1", "red"},
                                  {"band2", "red"},
                                  {"band3", "black"},
                                  {"band4", "silver"},
                                  {"band5", "brown"}})
            choose(s->control<DropDownList>(list), QLatin1String(item));
        QTRY_COMPARE(range(s), QStringLiteral("2.178 to 2.222 ohm ohm | 1"));
    }

    void aTickThatChangesNothingRepaintsNothing()
    {
        nav::open(ScreenId::FourBandDecoder);
        auto *s = nav::screenAs<decoders::FourBandDecoder>(ScreenId::FourBandDecoder);
        for (auto [list, item] :
             {std::pair{"band1", "brown"}, {"band2", "black"}, {"band3", "red"}, {"band4", "gold"}})
            choose(s->control<DropDownList>(list), QLatin1String(item));
        s->Timer1_Timer();
        QVERIFY(QTest::qWaitForWindowExposed(s));
        QCoreApplication::processEvents();

        struct PaintCounter : QObject
        {
            int paints = 0;
            bool eventFilter(QObject *, QEvent *e) override
            {
                if (e->type() == QEvent::Paint || e->type() == QEvent::UpdateRequest)
                    ++paints;
                return false;
            }
        } counter;
        for (QWidget *w : s->findChildren<QWidget *>())
            w->installEventFilter(&counter);
        s->installEventFilter(&counter);
        for (int i = 0; i < 5; ++i)
            s->Timer1_Timer();
        QCoreApplication::processEvents();
        QCOMPARE(counter.paints, 0);
    }
};

OHMARA_WIDGET_TEST_MAIN(TestDecoders)
#include "tst_decoders.moc"
