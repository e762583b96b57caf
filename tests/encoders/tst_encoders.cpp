// Both encoder screens driven as the user drives them, and every value they can express read
// back through the decoder screens.

#include "support/screentest.h"

using namespace screentest;

namespace {

const int four = int(ScreenId::FourBandEncoder), five = int(ScreenId::FiveBandEncoder);

// The range in lower case: the decoders write "Kohm" where the five-band encoder writes "kohm".
QString rangeOnly(Screen *s)
{
    return shown(s, {"minvalue", "multimin", "maxvalue", "multimax"}).toLower();
}

} // namespace

class TestEncoders : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { startAtMenu(); }
    void cleanup() { unloadAll(); }

    void encode_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("choices");
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("paints");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("range");
        QTest::addColumn<QString>("locked");
        // clang-format off
        row("untouched", four, "tick", "- - - -", "255,255,192 255,255,192 255,255,192 255,255,192", " ", "- - - - -", "");
        row("only 5%", four, "tolerance=5%;tick", "- - - Gold", "255,255,192 255,255,192 255,255,192 192,192,1", " 5%", "- - - - 5%", "");
        row("47 Kohm 5%", four, "number1=4;number2=7;number3= Kohm;tolerance=5%;tick", "Yellow Purple Orange Gold", "255,255,1 255,0,255 255,128,1 192,192,1", "47 Kohm 5%", "44.65 Kohm 49.35 Kohm 5%", "");
        row("unit painted by Timer2", four, "number1=4;number2=7;number3= Kohm;tolerance=5%", "Yellow Purple - Gold", "255,255,1 255,0,255 255,255,192 192,192,1", "", "- - - - -", "");
        row("then k", four, "number1=4;number2=7;number3= Kohm;tolerance=5%;tick;combo1=k;tick", "Yellow Purple Red Gold", "255,255,1 255,0,255 255,0,0 192,192,1", "4.7 Kohms 5%", "4.465 Kohm 4.935 Kohm 5%", "Combo2 number3 Timer2");
        row("then blank, before Timer2", four, "number1=4;number2=7;number3= Kohm;tolerance=5%;tick;combo1=k;combo1= ", "Yellow Purple - Gold", "255,255,1 255,0,255 255,255,192 192,192,1", "47 Kohm 5%", "44.65 Kohm 49.35 Kohm 5%", "");
        row("then blank, Timer2 ticked", four, "number1=4;number2=7;number3= Kohm;tolerance=5%;combo1=k;combo1= ;tick", "Yellow Purple Orange Gold", "255,255,1 255,0,255 255,128,1 192,192,1", "47 Kohm 5%", "44.65 Kohm 49.35 Kohm 5%", "");
        row(".47 ohms 10%", four, "Combo2=.;number1=4;number2=7;tolerance=10%;tick", "Yellow Purple silver Silver", "255,255,1 255,0,255 176,176,176 176,176,176", ".47 ohms 10%", "0.423 ohm 0.517 ohm 10%", "combo1 number3 Timer2");
        row("4.7 ohms 1%", four, "number1=4;combo1=.;number2=7;tolerance=1%;tick", "Yellow Purple Gold Brown", "255,255,1 255,0,255 192,192,1 128,64,64", "4.7 ohms 1%", "4.653 ohm 4.747 ohm 1%", "Combo2 number3 Timer2");
        row("4.7 Mohms 10%", four, "number1=4;combo1=M;number2=7;tolerance=10%;tick", "Yellow Purple Green Silver", "255,255,1 255,0,255 0,255,0 176,176,176", "4.7 Mohms 10%", "4.23 Mohm 5.17 Mohm 10%", "Combo2 number3 Timer2");
        row("Mohm kept under M", four, "number1=4;number2=7;number3= Mohm;combo1=M;tolerance=5%;tick", "Yellow Purple Green Gold", "255,255,1 255,0,255 0,255,0 192,192,1", "4.7 Mohms 5%", "4.465 Mohm 4.935 Mohm 5%", "Combo2 number3 Timer2");
        row("99 Mohm 20%", four, "number1=9;number2=9;number3= Mohm;tolerance=20%;tick", "White White blue No band", "255,255,255 255,255,255 0,0,255 255,255,192", "99 Mohm 20%", "79.2 Mohm 118.8 Mohm 20%", "");
        row("8.2 grey", four, "number1=8;combo1=.;number2=2;tolerance=2%;tick", "Grey Red Gold Red", "128,128,128 255,0,1 192,192,1 255,0,0", "8.2 ohms 2%", "8.036 ohm 8.364 ohm 2%", "Combo2 number3 Timer2");
        row("five 470 Kohm 1%", five, "number1=4;number2=7;digit3=0;multiplier= Kohm;tolerance=1%;tick", "Yellow Purple black Orange Brown", "255,255,1 255,0,255 0,0,0 255,128,1 128,64,64", "470 Kohm 1%", "465.3 Kohm 474.7 Kohm 1%", "");
        row("five unit set back", five, "number1=4;number2=7;digit3=0;multiplier= Kohm;tolerance=1%;tick;multiplier= ;tick", "Yellow Purple black Orange Brown", "255,255,1 255,0,255 0,0,0 255,128,1 128,64,64", "470  1%", "465.3 Kohm 474.7 Kohm 1%", "");
        row("five 999 Mohm", five, "number1=9;number2=9;digit3=9;multiplier= Mohm;tolerance=20%;tick", "White White White blue No band", "255,255,255 255,255,255 255,255,255 0,0,255 128,128,255", "999 Mohm 20%", "799.2 Mohm 1198.8 Mohm 20%", "");
        row("five 1.23", five, "number1=1;number2=2;digit3=3;multiplier= Mohm;tolerance=5%;tick;Combo2=.;tick", "Brown Red Orange Silver Gold", "128,64,64 255,0,1 255,128,1 176,176,176 192,192,1", "1.23 ohms 5%", "1.1685 ohm 1.2915 ohm 5%", "combo1 multiplier Timer2");
        row("five 1k23", five, "number1=1;number2=2;digit3=3;multiplier= Mohm;tolerance=5%;tick;Combo2=k;tick", "Brown Red Orange Brown Gold", "128,64,64 255,0,1 255,128,1 128,64,64 192,192,1", "1.23 Kohms 5%", "1.1685 kohm 1.2915 kohm 5%", "combo1 multiplier Timer2");
        row("five 1M23", five, "number1=1;number2=2;digit3=3;multiplier= Mohm;tolerance=5%;tick;Combo2=M;tick", "Brown Red Orange Yellow Gold", "128,64,64 255,0,1 255,128,1 255,255,0 192,192,1", "1.23 Mohms 5%", "1.1685 Mohm 1.2915 Mohm 5%", "combo1 multiplier Timer2");
        row("five 12.3", five, "number1=1;number2=2;digit3=3;multiplier= Mohm;tolerance=5%;tick;combo1=.;tick", "Brown Red Orange Gold Gold", "128,64,64 255,0,1 255,128,1 192,192,1 192,192,1", "12.3 ohms 5%", "11.685 ohm 12.915 ohm 5%", "Combo2 multiplier Timer2");
        row("five 12k3", five, "number1=1;number2=2;digit3=3;multiplier= Mohm;tolerance=5%;tick;combo1=k;tick", "Brown Red Orange Red Gold", "128,64,64 255,0,1 255,128,1 255,0,0 192,192,1", "12.3 Kohms 5%", "11.685 Kohm 12.915 Kohm 5%", "Combo2 multiplier Timer2");
        row("five 12M3", five, "number1=1;number2=2;digit3=3;multiplier= Mohm;tolerance=5%;tick;combo1=M;tick", "Brown Red Orange Green Gold", "128,64,64 255,0,1 255,128,1 0,255,0 192,192,1", "12.3 Mohms 5%", "11.685 Mohm 12.915 Mohm 5%", "Combo2 multiplier Timer2");
        row("five first released", five, "multiplier= Mohm;Combo2=.;Combo2= ;tick", "- - - - -", "128,128,255 128,128,255 128,128,255 128,128,255 128,128,255", "  ", "- - - - -", "");
        row("five second released", five, "multiplier= Mohm;tick;combo1= ", "- - - - -", "128,128,255 128,128,255 128,128,255 128,128,255 128,128,255", " Mohm ", "- Mohm - Mohm -", "");
        row("five second released, ticked", five, "multiplier= Mohm;combo1= ;tick", "- - - blue -", "128,128,255 128,128,255 128,128,255 0,0,255 128,128,255", " Mohm ", "- Mohm - Mohm -", "");
        // clang-format on
    }
    void encode()
    {
        QFETCH(int, screen);
        QFETCH(QString, choices);
        Screen *s = open(ScreenId(screen));
        choose(s, choices);
        QTEST(shown(s, shows(s->id()).bandNames), "names");
        QTEST(shown(s, shows(s->id()).bandPaints, true), "paints");
        QTEST(caption(s, shows(s->id()).value), "value");
        QTEST(range(s), "range");
        QTEST(locked(s), "locked");
    }

    void timer2StopsAndStartsOnItsOwn()
    {
        Screen *s = open(ScreenId::FiveBandEncoder);
        const QString multiplierName = shows(s->id()).bandNames[3];
        choose(s, QStringLiteral("multiplier= Kohm"));
        QTRY_COMPARE(caption(s, qPrintable(multiplierName)), QStringLiteral("Orange"));
        choose(s, QStringLiteral("combo1=k"));
        QTest::qWait(250);
        QCOMPARE(caption(s, qPrintable(multiplierName)), QStringLiteral("Red"));
        choose(s, QStringLiteral("combo1= ;multiplier= ohm"));
        QTRY_COMPARE(caption(s, qPrintable(multiplierName)), QStringLiteral("Black"));
        QTRY_COMPARE(caption(s, shows(s->id()).value), QStringLiteral(" ohm "));
    }

    // Every value an encoder can express: its bands, chosen on the decoder, give its range.
    void crossCheck_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("way");
        // clang-format off
        for (const char *way : {"number3= ohm", "number3=0 ohm", "number3= Kohm", "number3=0 Kohm", "number3= Mohm", "combo1=.", "combo1=k", "combo1=M", "Combo2=.",
                                "number3= Kohm;combo1=k", "number3=0 ohm;combo1=M", "number3= Mohm;combo1=.", "number3=0 Kohm;Combo2=."})
            row(qPrintable(QStringLiteral("four %1").arg(QLatin1String(way))), four, way);
        for (const char *way : {"multiplier= ohm", "multiplier= Kohm", "multiplier= Mohm", "Combo2=.", "Combo2=k", "Combo2=M", "combo1=.", "combo1=k", "combo1=M"})
            row(qPrintable(QStringLiteral("five %1").arg(QLatin1String(way))), five, way);
        // clang-format on
    }
    void crossCheck()
    {
        QFETCH(int, screen);
        QFETCH(QString, way);
        const bool isFive = screen == five;
        Screen *e = open(ScreenId(screen));
        Screen *d = open(isFive ? ScreenId::FiveBandDecoder : ScreenId::FourBandDecoder);
        const QStringList names = shows(e->id()).bandNames;
        const char *tolerances[] = {"1%", "2%", "5%", "10%", "20%"};
        choose(e, way);
        for (int n = isFive ? 100 : 10; n <= (isFive ? 999 : 99); ++n) {
            const QString digits = QString::number(n);
            choose(e,
                   QStringLiteral("number1=%1;number2=%2;tolerance=%3;tick")
                           .arg(digits[0])
                           .arg(digits[1])
                           .arg(QLatin1String(tolerances[n % 5])));
            if (isFive)
                choose(e, QStringLiteral("digit3=%1;tick").arg(digits[2]));
            for (int i = 0; i < names.size(); ++i)
                choose(d,
                       QStringLiteral("band%1=%2")
                               .arg(i + 1)
                               .arg(caption(e, qPrintable(names[i])).toLower()));
            tick(d);
            QCOMPARE(rangeOnly(d), rangeOnly(e));
        }
    }
};

OHMARA_WIDGET_TEST_MAIN(TestEncoders)
#include "tst_encoders.moc"
