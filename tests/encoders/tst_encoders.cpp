#include "decoders/fivebanddecoder.h"
#include "decoders/fourbanddecoder.h"
#include "encoders/fivebandencoder.h"
#include "encoders/fourbandencoder.h"
#include "support/screentest.h"

#include <QApplication>

using namespace ui;
using screentest::back;
using screentest::caption;
using screentest::choose;
namespace nav = ui::navigation;

namespace {

constexpr quint32 kFourBody = 0xC0FFFF;
constexpr quint32 kFiveBody = 0xFF8080;

DropDownList *list(Screen *s, const char *name)
{
    return s->control<DropDownList>(name);
}

// "bands" as the user reads them: each band's colour value and its name below it.
QString band(Screen *s, const char *bandLabel, const char *nameLabel)
{
    return QStringLiteral("%1 %2")
            .arg(back(s, bandLabel), 6, 16, QLatin1Char('0'))
            .arg(caption(s, nameLabel));
}

// The range alone, as both kinds of screen show it.
QString rangeOnly(Screen *s)
{
    return QStringLiteral("%1 %2 / %3 %4")
            .arg(caption(s, "minvalue"), caption(s, "multimin"), caption(s, "maxvalue"),
                 caption(s, "multimax"))
            .toLower();
}

QString range(Screen *s)
{
    return QStringLiteral("%1 %2 / %3 %4 | %5")
            .arg(caption(s, "minvalue"), caption(s, "multimin"), caption(s, "maxvalue"),
                 caption(s, "multimax"), caption(s, "Label21"));
}

} // namespace

class TestEncoders : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { screentest::startAtMenu(); }
    void cleanup()
    {
        for (ScreenId id : {ScreenId::FourBandDecoder, ScreenId::FourBandEncoder,
                            ScreenId::FiveBandDecoder, ScreenId::FiveBandEncoder})
            nav::unload(id);
        screentest::settle();
    }

    void fourBandDesignState()
    {
        auto *s = open4();
        QCOMPARE(s->windowTitle(), QStringLiteral("Value to Colours"));
        QCOMPARE(s->size(), QSize(456, 269));
        QCOMPARE(s->windowType(), Qt::Window); // a taskbar button
        for (const char *name :
             {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8"})
            QCOMPARE(back(s, name), kFourBody);
        for (auto *l : s->findChildren<DropDownList *>()) {
            QCOMPARE(l->text(), QString());
            QVERIFY(l->isEnabled());
        }
        for (const char *t : {"Timer1", "Timer2", "Timer3"})
            QVERIFY(s->timer(t)->isEnabled());
        QCOMPARE(s->timer("Timer3")->interval(), 1);
        QCOMPARE(s->timer("Timer2")->interval(), 100);
        s->Timer1_Timer();
        s->Timer2_Timer();
        s->Timer3_Timer();
        QCOMPARE(caption(s, "Label15"), QStringLiteral(" "));
        QCOMPARE(caption(s, "Label13"), QString());
        QCOMPARE(range(s), QStringLiteral("  /   | "));
        QCOMPARE(s->focusWidget(), s->control<QWidget>("Combo2"));
        QCOMPARE(list(s, "number3")->itemText(0), QStringLiteral(" ohm"));
        QCOMPARE(list(s, "combo1")->itemText(0), QStringLiteral(" "));
    }

    void fourBandEdgeCases()
    {
        auto *s = open4();
        choose(list(s, "tolerance"), QStringLiteral("5%"));
        s->Timer1_Timer();
        QCOMPARE(caption(s, "Label15"), QStringLiteral(" 5%"));
        QCOMPARE(band(s, "Label4", "Label14"), QStringLiteral("01c0c0 Gold"));

        choose(list(s, "number1"), QStringLiteral("4"));
        choose(list(s, "number2"), QStringLiteral("7"));
        choose(list(s, "number3"), QStringLiteral(" Kohm"));
        QCOMPARE(band(s, "Label1", "Label11"), QStringLiteral("01ffff Yellow"));
        QCOMPARE(band(s, "Label2", "Label12"), QStringLiteral("ff00ff Purple"));
        QCOMPARE(band(s, "Label3", "Label13"), QStringLiteral("c0ffff ")); // until Timer2 ticks
        s->Timer2_Timer();
        s->Timer1_Timer();
        s->Timer3_Timer();
        QCOMPARE(band(s, "Label3", "Label13"), QStringLiteral("0180ff Orange"));
        QCOMPARE(caption(s, "Label15"), QStringLiteral("47 Kohm 5%"));
        QCOMPARE(range(s), QStringLiteral("44.65 Kohm / 49.35 Kohm | 5%"));

        // "k": band 3 red at once, the unit list locked but still showing its choice
        choose(list(s, "combo1"), QStringLiteral("k"));
        QCOMPARE(band(s, "Label3", "Label13"), QStringLiteral("0000ff Red"));
        QVERIFY(!list(s, "Combo2")->isEnabled());
        QVERIFY(!list(s, "number3")->isEnabled());
        QCOMPARE(list(s, "number3")->text(), QStringLiteral(" Kohm"));
        QVERIFY(!s->timer("Timer2")->isEnabled());
        s->Timer2_Timer(); // a tick already due changes nothing while locked? it is stopped
        s->Timer1_Timer();
        s->Timer3_Timer();
        QCOMPARE(caption(s, "Label15"), QStringLiteral("4.7 Kohms 5%"));
        // the range agrees with the bands: 4.7 kilohm, not the 47 of the kept unit
        QCOMPARE(range(s), QStringLiteral("4.465 Kohm / 4.935 Kohm | 5%"));

        // back to " ": body colour and no name, then orange again on Timer2's next tick
        choose(list(s, "combo1"), QStringLiteral(" "));
        QCOMPARE(band(s, "Label3", "Label13"), QStringLiteral("c0ffff "));
        QVERIFY(list(s, "Combo2")->isEnabled());
        QVERIFY(list(s, "number3")->isEnabled());
        QVERIFY(s->timer("Timer2")->isEnabled());
        s->Timer2_Timer();
        s->Timer1_Timer();
        QCOMPARE(band(s, "Label3", "Label13"), QStringLiteral("0180ff Orange"));
        QCOMPARE(caption(s, "Label15"), QStringLiteral("47 Kohm 5%"));
    }

    void fourBandPointChoosers_data()
    {
        QTest::addColumn<QString>("chooser");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("tolerance");
        QTest::addColumn<QString>("band3");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("range");
        QTest::newRow("leading point") << "Combo2"
                                       << "."
                                       << "10%"
                                       << "b0b0b0 silver"
                                       << ".47 ohms 10%"
                                       << "0.423 ohm / 0.517 ohm | 10%";
        QTest::newRow("point") << "combo1"
                               << "."
                               << "1%"
                               << "01c0c0 Gold"
                               << "4.7 ohms 1%"
                               << "4.653 ohm / 4.747 ohm | 1%";
        QTest::newRow("M") << "combo1"
                           << "M"
                           << "10%"
                           << "00ff00 Green"
                           << "4.7 Mohms 10%"
                           << "4.23 Mohm / 5.17 Mohm | 10%";
    }
    void fourBandPointChoosers()
    {
        QFETCH(QString, chooser);
        QFETCH(QString, item);
        QFETCH(QString, tolerance);
        auto *s = open4();
        choose(list(s, "number1"), QStringLiteral("4"));
        choose(list(s, "number2"), QStringLiteral("7"));
        choose(list(s, "tolerance"), tolerance);
        choose(s->findChild<DropDownList *>(chooser), item);
        s->Timer1_Timer();
        s->Timer3_Timer();
        QTEST(band(s, "Label3", "Label13"), "band3");
        QTEST(caption(s, "Label15"), "text");
        QTEST(range(s), "range");
        const char *other = chooser == QLatin1String("Combo2") ? "combo1" : "Combo2";
        QVERIFY(!list(s, other)->isEnabled());
        QVERIFY(!list(s, "number3")->isEnabled());
        QVERIFY(s->findChild<DropDownList *>(chooser)->isEnabled());
    }

    void fourBandUnitsAndTolerances_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("band");
        QTest::newRow("ohm") << "number3"
                             << " ohm"
                             << "000000 Black";
        QTest::newRow("0 ohm") << "number3"
                               << "0 ohm"
                               << "404080 Brown";
        QTest::newRow("0 Kohm") << "number3"
                                << "0 Kohm"
                                << "01ffff Yellow";
        QTest::newRow("Mohm") << "number3"
                              << " Mohm"
                              << "ff0000 blue";
        QTest::newRow("1%") << "tolerance"
                            << "1%"
                            << "404080 Brown";
        QTest::newRow("2%") << "tolerance"
                            << "2%"
                            << "0000ff Red";
        QTest::newRow("10%") << "tolerance"
                             << "10%"
                             << "b0b0b0 Silver";
        QTest::newRow("20%") << "tolerance"
                             << "20%"
                             << "c0ffff No band";
        QTest::newRow("digit 0") << "number2"
                                 << "0"
                                 << "000000 Black";
        QTest::newRow("digit 2") << "number2"
                                 << "2"
                                 << "0100ff Red";
        QTest::newRow("digit 5") << "number2"
                                 << "5"
                                 << "01ff00 Green";
        QTest::newRow("digit 8") << "number2"
                                 << "8"
                                 << "808080 Grey";
        QTest::newRow("digit 9") << "number1"
                                 << "9"
                                 << "ffffff White";
    }
    void fourBandUnitsAndTolerances()
    {
        QFETCH(QString, list);
        QFETCH(QString, item);
        auto *s = open4();
        choose(s->findChild<DropDownList *>(list), item);
        s->Timer2_Timer();
        const char *bandLabel = list == QLatin1String("number3") ? "Label3"
                : list == QLatin1String("tolerance")             ? "Label4"
                : list == QLatin1String("number2")               ? "Label2"
                                                                 : "Label1";
        const char *nameLabel = list == QLatin1String("number3") ? "Label13"
                : list == QLatin1String("tolerance")             ? "Label14"
                : list == QLatin1String("number2")               ? "Label12"
                                                                 : "Label11";
        QTEST(band(s, bandLabel, nameLabel), "band");
    }

    void fiveBandDesignState()
    {
        auto *s = open7();
        QCOMPARE(s->windowTitle(), QStringLiteral("5 band value to colour code"));
        QCOMPARE(s->size(), QSize(479, 240));
        QCOMPARE(s->windowType(), Qt::Dialog); // no taskbar button
        for (const char *name : {"Label1", "Label2", "Label24", "Label3", "Label4", "Label6",
                                 "Label7", "Label8", "Label22", "Label23", "Label26"})
            QCOMPARE(back(s, name), kFiveBody);
        s->Timer1_Timer();
        s->Timer3_Timer();
        QCOMPARE(caption(s, "Label15"), QStringLiteral(" "));
        QCOMPARE(range(s), QStringLiteral("  /   | "));
        QCOMPARE(caption(s, "Label27"), QStringLiteral(" D.P."));
        QStringList order;
        for (QWidget *w : s->tabOrder())
            order << w->objectName();
        QCOMPARE(order,
                 (QStringList{"number1", "Combo2", "number2", "combo1", "digit3", "multiplier",
                              "tolerance", "Command2"}));
    }

    void fiveBandEdgeCases()
    {
        auto *s = open7();
        choose(list(s, "number1"), QStringLiteral("4"));
        choose(list(s, "number2"), QStringLiteral("7"));
        choose(list(s, "digit3"), QStringLiteral("0"));
        choose(list(s, "multiplier"), QStringLiteral(" Kohm"));
        choose(list(s, "tolerance"), QStringLiteral("1%"));
        tick(s);
        QCOMPARE(band(s, "Label24", "Label25"), QStringLiteral("000000 black"));
        QCOMPARE(band(s, "Label3", "Label13"), QStringLiteral("0180ff Orange"));
        QCOMPARE(band(s, "Label4", "Label14"), QStringLiteral("404080 Brown"));
        QCOMPARE(caption(s, "Label15"), QStringLiteral("470 Kohm 1%"));
        QCOMPARE(range(s), QStringLiteral("465.3 Kohm / 474.7 Kohm | 1%"));

        // the unit set back to " ": band 4 and the range keep what they showed
        choose(list(s, "multiplier"), QStringLiteral(" "));
        tick(s);
        QCOMPARE(band(s, "Label3", "Label13"), QStringLiteral("0180ff Orange"));
        QCOMPARE(caption(s, "Label15"), QStringLiteral("470  1%"));
        QCOMPARE(range(s), QStringLiteral("465.3 Kohm / 474.7 Kohm | 1%"));
    }

    void fiveBandPointChoosers_data()
    {
        QTest::addColumn<QString>("chooser");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("band4");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("range");
        QTest::newRow("1.23") << "Combo2"
                              << "."
                              << "b0b0b0 Silver"
                              << "1.23 ohms 5%"
                              << "1.1685 ohm / 1.2915 ohm | 5%";
        QTest::newRow("1k23") << "Combo2"
                              << "k"
                              << "404080 Brown"
                              << "1.23 Kohms 5%"
                              << "1.1685 kohm / 1.2915 kohm | 5%";
        QTest::newRow("1M23") << "Combo2"
                              << "M"
                              << "00ffff Yellow"
                              << "1.23 Mohms 5%"
                              << "1.1685 Mohm / 1.2915 Mohm | 5%";
        QTest::newRow("12.3") << "combo1"
                              << "."
                              << "01c0c0 Gold"
                              << "12.3 ohms 5%"
                              << "11.685 ohm / 12.915 ohm | 5%";
        QTest::newRow("12k3") << "combo1"
                              << "k"
                              << "0000ff Red"
                              << "12.3 Kohms 5%"
                              << "11.685 Kohm / 12.915 Kohm | 5%";
        QTest::newRow("12M3") << "combo1"
                              << "M"
                              << "00ff00 Green"
                              << "12.3 Mohms 5%"
                              << "11.685 Mohm / 12.915 Mohm | 5%";
    }
    void fiveBandPointChoosers()
    {
        QFETCH(QString, chooser);
        QFETCH(QString, item);
        auto *s = open7();
        choose(list(s, "number1"), QStringLiteral("1"));
        choose(list(s, "number2"), QStringLiteral("2"));
        choose(list(s, "digit3"), QStringLiteral("3"));
        choose(list(s, "multiplier"), QStringLiteral(" Mohm"));
        choose(list(s, "tolerance"), QStringLiteral("5%"));
        tick(s);
        choose(s->findChild<DropDownList *>(chooser), item);
        QTEST(band(s, "Label3", "Label13"), "band4");
        // the point or letter drops the unit and locks it and the other chooser
        QCOMPARE(list(s, "multiplier")->text(), QStringLiteral(" "));
        QVERIFY(!list(s, "multiplier")->isEnabled());
        const char *other = chooser == QLatin1String("Combo2") ? "combo1" : "Combo2";
        QVERIFY(!list(s, other)->isEnabled());
        QVERIFY(!s->timer("Timer2")->isEnabled());
        tick(s);
        QTEST(band(s, "Label3", "Label13"), "band4");
        QTEST(caption(s, "Label15"), "text");
        QTEST(range(s), "range");
    }

    void fiveBandReleasingTheChoosers()
    {
        auto *s = open7();
        // " " after the first digit drops the unit; band 4 stays bare until a unit is chosen
        choose(list(s, "Combo2"), QStringLiteral("."));
        choose(list(s, "Combo2"), QStringLiteral(" "));
        for (const char *name : {"combo1", "multiplier", "Combo2"})
            QVERIFY(list(s, name)->isEnabled());
        QCOMPARE(list(s, "multiplier")->text(), QStringLiteral(" "));
        tick(s);
        QCOMPARE(band(s, "Label3", "Label13"), QStringLiteral("ff8080 "));

        // " " after the second digit keeps the unit: band 4 comes back on Timer2's next tick
        choose(list(s, "multiplier"), QStringLiteral(" Mohm"));
        tick(s);
        QCOMPARE(band(s, "Label3", "Label13"), QStringLiteral("ff0000 blue"));
        choose(list(s, "combo1"), QStringLiteral(" "));
        QCOMPARE(band(s, "Label3", "Label13"), QStringLiteral("ff8080 "));
        QCOMPARE(list(s, "multiplier")->text(), QStringLiteral(" Mohm"));
        s->Timer2_Timer();
        QCOMPARE(band(s, "Label3", "Label13"), QStringLiteral("ff0000 blue"));
    }

    void timer2StopsAndStartsForReal()
    {
        auto *s = open7();
        choose(list(s, "multiplier"), QStringLiteral(" Kohm"));
        QTRY_COMPARE(band(s, "Label3", "Label13"), QStringLiteral("0180ff Orange"));
        choose(list(s, "combo1"), QStringLiteral("k"));
        QTest::qWait(250);
        QCOMPARE(band(s, "Label3", "Label13"), QStringLiteral("0000ff Red"));
        choose(list(s, "combo1"), QStringLiteral(" "));
        choose(list(s, "multiplier"), QStringLiteral(" ohm"));
        QTRY_COMPARE(band(s, "Label3", "Label13"), QStringLiteral("000000 Black"));
        QTRY_COMPARE(caption(s, "Label15"), QStringLiteral(" ohm ")); // Timer1 on its own
    }

    void backAndReopenStartsAfresh()
    {
        auto *s = open4();
        choose(list(s, "number1"), QStringLiteral("4"));
        choose(list(s, "combo1"), QStringLiteral("k"));
        QTest::mouseClick(s->control<CommandButton>("Command2"), Qt::LeftButton);
        screentest::settle();
        QVERIFY(!nav::screen(ScreenId::FourBandEncoder));
        s = open4();
        QCOMPARE(list(s, "number1")->text(), QString());
        QVERIFY(list(s, "number3")->isEnabled());
        QVERIFY(s->timer("Timer2")->isEnabled());
        QCOMPARE(back(s, "Label3"), kFourBody);
        QCOMPARE(caption(s, "Label13"), QString());
    }

    // Every value the four-band encoder can express, its bands read back through the decoder.
    void fourBandCrossCheck()
    {
        const QStringList tolerances{"1%", "2%", "5%", "10%", "20%"};
        struct Way
        {
            const char *combo2, *combo1, *unit;
        };
        // The last four keep a unit chosen before the point or letter locked its list.
        const Way ways[]
                = {{"", "", " ohm"},   {"", "", "0 ohm"},  {"", "", " Kohm"},  {"", "", "0 Kohm"},
                   {"", "", " Mohm"},  {"", ".", ""},      {"", "k", ""},      {"", "M", ""},
                   {".", "", ""},      {"", "k", " Kohm"}, {"", "M", "0 ohm"}, {"", ".", " Mohm"},
                   {".", "", "0 Kohm"}};
        int checked = 0;
        for (const Way &way : ways) {
            auto *e = open4();
            nav::open(ScreenId::FourBandDecoder);
            auto *d = nav::screenAs<decoders::FourBandDecoder>(ScreenId::FourBandDecoder);
            if (*way.unit)
                choose(list(e, "number3"), QLatin1String(way.unit));
            if (*way.combo2)
                choose(list(e, "Combo2"), QLatin1String(way.combo2));
            if (*way.combo1)
                choose(list(e, "combo1"), QLatin1String(way.combo1));
            for (int n = 10; n <= 99; ++n) {
                choose(list(e, "number1"), QString::number(n / 10));
                choose(list(e, "number2"), QString::number(n % 10));
                choose(list(e, "tolerance"), tolerances[n % 5]);
                tick(e);

                const char *names[] = {"Label11", "Label12", "Label13", "Label14"};
                const char *lists[] = {"band1", "band2", "band3", "band4"};
                for (int i = 0; i < 4; ++i)
                    choose(list(d, lists[i]), caption(e, names[i]).toLower());
                d->Timer1_Timer();
                QVERIFY2(rangeOnly(d) == rangeOnly(e),
                         qPrintable(QStringLiteral("%1%2%3 %4: %5 vs %6")
                                            .arg(QLatin1String(way.combo2))
                                            .arg(n)
                                            .arg(QLatin1String(way.combo1), QLatin1String(way.unit),
                                                 rangeOnly(e), rangeOnly(d))));
                ++checked;
            }
            cleanup();
        }
        QCOMPARE(checked, 13 * 90);
    }

    // Every value the five-band encoder can express, its bands read back through the decoder.
    void fiveBandCrossCheck()
    {
        const QStringList tolerances{"1%", "2%", "5%", "10%", "20%"};
        struct Way
        {
            const char *combo2, *combo1, *unit;
        };
        const Way ways[] = {{"", "", " ohm"}, {"", "", " Kohm"}, {"", "", " Mohm"},
                            {".", "", ""},    {"k", "", ""},     {"M", "", ""},
                            {"", ".", ""},    {"", "k", ""},     {"", "M", ""}};
        int checked = 0;
        for (const Way &way : ways) {
            auto *e = open7();
            nav::open(ScreenId::FiveBandDecoder);
            auto *d = nav::screenAs<decoders::FiveBandDecoder>(ScreenId::FiveBandDecoder);
            if (*way.combo2)
                choose(list(e, "Combo2"), QLatin1String(way.combo2));
            if (*way.combo1)
                choose(list(e, "combo1"), QLatin1String(way.combo1));
            if (*way.unit)
                choose(list(e, "multiplier"), QLatin1String(way.unit));
            for (int n = 100; n <= 999; ++n) {
                choose(list(e, "number1"), QString::number(n / 100));
                choose(list(e, "number2"), QString::number(n / 10 % 10));
                choose(list(e, "digit3"), QString::number(n % 10));
                choose(list(e, "tolerance"), tolerances[n % 5]);
                tick(e);

                const char *names[] = {"Label11", "Label12", "Label25", "Label13", "Label14"};
                const char *lists[] = {"band1", "band2", "band3", "band4", "band5"};
                for (int i = 0; i < 5; ++i)
                    choose(list(d, lists[i]), caption(e, names[i]).toLower());
                d->Timer1_Timer();
                QVERIFY2(rangeOnly(d) == rangeOnly(e),
                         qPrintable(QStringLiteral("%1 %2 %3 %4: %5 vs %6")
                                            .arg(n)
                                            .arg(QLatin1String(way.combo2),
                                                 QLatin1String(way.combo1), QLatin1String(way.unit),
                                                 rangeOnly(e), rangeOnly(d))));
                ++checked;
            }
            cleanup();
        }
        QCOMPARE(checked, 9 * 900);
    }

private:
    encoders::FourBandEncoder *open4()
    {
        nav::open(ScreenId::FourBandEncoder);
        return nav::screenAs<encoders::FourBandEncoder>(ScreenId::FourBandEncoder);
    }
    encoders::FiveBandEncoder *open7()
    {
        nav::open(ScreenId::FiveBandEncoder);
        return nav::screenAs<encoders::FiveBandEncoder>(ScreenId::FiveBandEncoder);
    }
    // One tick of each running timer; a stopped one does not tick.
    template<class Encoder>
    static void tick(Encoder *s)
    {
        if (s->timer("Timer2")->isEnabled())
            s->Timer2_Timer();
        s->Timer1_Timer();
        s->Timer3_Timer();
    }
};

OHMARA_WIDGET_TEST_MAIN(TestEncoders)
#include "tst_encoders.moc"
