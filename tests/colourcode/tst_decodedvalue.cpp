#include "colourcode/decodedvalue.h"

#include <QTest>

using namespace colourcode;

class TestDecodedValue : public QObject
{
    Q_OBJECT
private slots:
    // Inputs as the band handlers leave them; outputs read off the worked examples.
    void workedExamples_data()
    {
        QTest::addColumn<QStringList>("digits");
        QTest::addColumn<QString>("multiplier");
        QTest::addColumn<QString>("tolerance");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("scaled");
        QTest::addColumn<QString>("minimum");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("unit");

        auto row = [](const char *name, QStringList d, const char *m, const char *t, const char *w,
                      const char *p, const char *v, const char *s, const char *mn, const char *mx,
                      const char *u) {
            QTest::newRow(name) << d << m << t << w << p << v << s << mn << mx << u;
        };
        row("1k 5%", {"1", "0"}, "red", "gold", "kilo", "5", "1000", "1", "0.95", "1.05", "Kohm");
        row("47k 5%", {"4", "7"}, "orange", "gold", "kilo", "5", "47000", "47", "44.65", "49.35",
            "Kohm");
        row("100R 20%", {"1", "0"}, "brown", "no band", "", "20", "100", "", "80", "120", "ohm");
        row("33R 1%", {"3", "3"}, "black", "brown", "", "1", "33", "", "32.67", "33.33", "ohm");
        row("1R0 10%", {"1", "0"}, "gold", "silver", "", "10", "1.0", "", "0.9", "1.1", "ohm");
        row("R22 5%", {"2", "2"}, "silver", "gold", "", "5", ".22", "", "0.209", "0.231", "ohm");
        row("560k 2%", {"5", "6"}, "yellow", "red", "kilo", "2", "560000", "560", "548.8", "571.2",
            "Kohm");
        row("99M 20%", {"9", "9"}, "blue", "no band", "mega", "20", "99000000", "99", "79.2",
            "118.8", "Mohm");
        row("990R not rescaled", {"9", "9"}, "brown", "no band", "", "20", "990", "", "792", "1188",
            "ohm");
        row("second digit missing", {"4", ""}, "red", "gold", "kilo", "5", "400", "0.4", "0.38",
            "0.42", "Kohm");
        row("no multiplier yet", {"1", "0"}, "", "gold", "", "5", "10", "", "9.5", "10.5", "ohm");
        row("purple is no multiplier", {"1", "0"}, "purple", "gold", "", "5", "10", "", "9.5",
            "10.5", "ohm");

        row("five 1k00 1%", {"1", "0", "0"}, "brown", "brown", "kilo", "1", "1000", "1", "0.99",
            "1.01", "Kohm");
        row("five 47k0 5%", {"4", "7", "0"}, "red", "gold", "kilo", "5", "47000", "47", "44.65",
            "49.35", "Kohm");
        row("five 2R20 1%", {"2", "2", "0"}, "silver", "brown", "", "1", "2.20", "", "2.178",
            "2.222", "ohm");
        row("five 10R0 2%", {"1", "0", "0"}, "gold", "red", "", "2", "10.0", "", "9.8", "10.2",
            "ohm");
        row("five 999M 20%", {"9", "9", "9"}, "blue", "no band", "mega", "20", "999000000", "999",
            "799.2", "1198.8", "Mohm");
        row("five 470R", {"4", "7", "0"}, "black", "gold", "", "5", "470", "", "446.5", "493.5",
            "ohm");
    }
    void workedExamples()
    {
        QFETCH(QStringList, digits);
        QFETCH(QString, multiplier);
        QFETCH(QString, tolerance);
        QFETCH(QString, word);
        QFETCH(QString, percent);

        DecoderTexts t;
        t.d1 = digits.value(0);
        t.d2 = digits.value(1);
        t.d3 = digits.value(2);
        t.multiplier = multiplier;
        t.tolerance = tolerance;
        t.magnitude = word;
        t.percent = percent;
        decoderTick(t, int(digits.size()));

        QTEST(t.value, "value");
        QTEST(t.scaled, "scaled");
        QTEST(t.minimum, "minimum");
        QTEST(t.maximum, "maximum");
        QTEST(t.minimumUnit, "unit");
        QTEST(t.maximumUnit, "unit");
        QCOMPARE(t.toleranceValue, percent);

        const DecoderTexts before = t;
        decoderTick(t, int(digits.size()));
        QCOMPARE(t.minimum, before.minimum);
        QCOMPARE(t.maximum, before.maximum);
        QCOMPARE(t.scaled, before.scaled);
    }

    void nothingChosen()
    {
        DecoderTexts t;
        decoderTick(t, 2);
        QCOMPARE(t.minimum, QString());
        QCOMPARE(t.maximum, QString());
        QCOMPARE(t.minimumUnit, QStringLiteral("ohm"));
        QCOMPARE(t.maximumUnit, QStringLiteral("ohm"));
        QCOMPARE(t.toleranceValue, QString());
    }

    void onlyTolerance()
    {
        DecoderTexts t;
        t.tolerance = QStringLiteral("gold");
        t.percent = QStringLiteral("5");
        decoderTick(t, 2);
        QCOMPARE(t.value, QString());
        QCOMPARE(t.fraction, QStringLiteral(".05"));
        QCOMPARE(t.minimum, QString());
        QCOMPARE(t.maximum, QString());
        QCOMPARE(t.toleranceValue, QStringLiteral("5"));
    }

    void failedStepKeepsPreviousText()
    {
        DecoderTexts t;
        t.minimum = QStringLiteral("9.5");
        t.maximum = QStringLiteral("10.5");
        t.fraction = QStringLiteral(".05");
        t.multiplier = QStringLiteral("gold"); // no digits: V is "." and cannot be converted
        decoderTick(t, 2);
        QCOMPARE(t.value, QStringLiteral("."));
        QCOMPARE(t.minimum, QStringLiteral("9.5"));
        QCOMPARE(t.maximum, QStringLiteral("10.5"));
        QCOMPARE(t.minimumUnit, QStringLiteral("ohm"));
    }

    void fractionKeepsLastTolerance()
    {
        DecoderTexts t;
        t.d1 = QStringLiteral("1");
        t.d2 = QStringLiteral("0");
        t.tolerance = QStringLiteral("silver");
        decoderTick(t, 2);
        t.tolerance = QStringLiteral("purple"); // no tolerance: F stays ".1"
        decoderTick(t, 2);
        QCOMPARE(t.fraction, QStringLiteral(".1"));
        QCOMPARE(t.minimum, QStringLiteral("9"));
        QCOMPARE(t.maximum, QStringLiteral("11"));
    }

    void multiplierRedToBlack()
    {
        DecoderTexts t;
        t.d1 = QStringLiteral("4");
        t.d2 = QStringLiteral("7");
        t.multiplier = QStringLiteral("red");
        t.magnitude = QStringLiteral("kilo");
        t.tolerance = QStringLiteral("gold");
        decoderTick(t, 2);
        QCOMPARE(t.minimum, QStringLiteral("4.465"));
        QCOMPARE(t.minimumUnit, QStringLiteral("Kohm"));

        t.multiplier = QStringLiteral("black");
        t.magnitude = QString();
        decoderTick(t, 2);
        QCOMPARE(t.value, QStringLiteral("47"));
        QCOMPARE(t.minimum, QStringLiteral("44.65"));
        QCOMPARE(t.maximum, QStringLiteral("49.35"));
        QCOMPARE(t.minimumUnit, QStringLiteral("ohm"));
        QCOMPARE(t.maximumUnit, QStringLiteral("ohm"));
    }

    void scaledKeepsPreviousWhenValueFails()
    {
        DecoderTexts t;
        t.scaled = QStringLiteral("2");
        t.fraction = QStringLiteral(".1");
        t.magnitude = QStringLiteral("kilo");
        t.multiplier = QStringLiteral("gold"); // V "." cannot be converted
        decoderTick(t, 2);
        QCOMPARE(t.scaled, QStringLiteral("2"));
        QCOMPARE(t.minimum, QStringLiteral("1.8"));
        QCOMPARE(t.maximumUnit, QStringLiteral("Kohm"));
    }
};

QTEST_APPLESS_MAIN(TestDecodedValue)
#include "tst_decodedvalue.moc"
