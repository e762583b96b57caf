#include "encoders/encoderrange.h"

#include <QTest>

using namespace encoders;

namespace {

QString results(const RangeTexts &t)
{
    return QStringLiteral("%1 %2 / %3 %4").arg(t.minimum, t.minimumUnit, t.maximum, t.maximumUnit);
}

} // namespace

class TestEncoderRange : public QObject
{
    Q_OBJECT
private slots:
    // Lists left to right: Combo2, number1, combo1, number2, number3, tolerance.
    void fourBand_data()
    {
        QTest::addColumn<QStringList>("lists");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("scaled");
        QTest::addColumn<QString>("range");

        auto row = [](const char *name, QStringList lists, const char *digits, const char *scaled,
                      const char *range) {
            QTest::newRow(name) << lists << digits << scaled << range;
        };
        row("47 Kohm 5%", {"", "4", "", "7", " Kohm", "5%"}, "47000", "47",
            "44.65 Kohm / 49.35 Kohm");
        row("470 ohm", {"", "4", "", "7", "0 ohm", "5%"}, "470", "470", "446.5 ohm / 493.5 ohm");
        row("10 ohm", {"", "1", "", "0", " ohm", "1%"}, "10", "10", "9.9 ohm / 10.1 ohm");
        row("470 Kohm", {"", "4", "", "7", "0 Kohm", "2%"}, "470000", "470",
            "460.6 Kohm / 479.4 Kohm");
        row("4k7", {"", "4", "k", "7", "", "5%"}, "47", "4.7", "4.465 Kohm / 4.935 Kohm");
        row("4M7", {"", "4", "M", "7", "", "10%"}, "4700000", "4.7", "4.23 Mohm / 5.17 Mohm");
        row("4.7", {"", "4", ".", "7", "", "1%"}, "4.7", "4.7", "4.653 ohm / 4.747 ohm");
        row(".47", {".", "4", "", "7", "", "5%"}, ".47", ".47", "0.4465 ohm / 0.4935 ohm");
        row("smallest", {".", "1", "", "0", "", "20%"}, ".10", ".10", "0.08 ohm / 0.12 ohm");
        row("99 Mohm", {"", "9", "", "9", " Mohm", "20%"}, "99000000", "99",
            "79.2 Mohm / 118.8 Mohm");
        row("blank choosers", {" ", "4", " ", "7", " Kohm", "5%"}, "47000", "47",
            "44.65 Kohm / 49.35 Kohm");
        // a unit kept in the locked unit list takes no part while a point or letter is set
        row("Kohm kept, k", {"", "4", "k", "7", " Kohm", "5%"}, "47", "4.7",
            "4.465 Kohm / 4.935 Kohm");
        row("0 ohm kept, k", {"", "4", "k", "7", "0 ohm", "5%"}, "47", "4.7",
            "4.465 Kohm / 4.935 Kohm");
        row("Mohm kept, M", {"", "4", "M", "7", " Mohm", "5%"}, "4700000", "4.7",
            "4.465 Mohm / 4.935 Mohm");
        row("Kohm kept, M", {"", "4", "M", "7", " Kohm", "5%"}, "4700000", "4.7",
            "4.465 Mohm / 4.935 Mohm");
        row("Kohm kept, point", {"", "4", ".", "7", " Kohm", "5%"}, "4.7", "4.7",
            "4.465 ohm / 4.935 ohm");
        row("Mohm kept, leading point", {".", "4", " ", "7", " Mohm", "5%"}, ".47", ".47",
            "0.4465 ohm / 0.4935 ohm");
        row("0 Kohm kept, then released", {" ", "4", " ", "7", "0 Kohm", "5%"}, "470000", "470",
            "446.5 Kohm / 493.5 Kohm");
        row("no tolerance", {"", "4", "", "7", " Kohm", ""}, "47000", "47", " Kohm /  Kohm");
        row("no digits, zeros", {"", "", "", "", " Kohm", "5%"}, "000", "0", "0 Kohm / 0 Kohm");
        row("no digits, letter", {"", "", "k", "", "", "5%"}, "", "", " Kohm /  Kohm");
        row("untouched", {"", "", "", "", "", ""}, "", "", "  /  ");
    }
    void fourBand()
    {
        QFETCH(QStringList, lists);
        const FourBandChoice c{lists[0], lists[1], lists[2], lists[3], lists[4], lists[5]};
        RangeTexts t;
        fourBandRangeTick(c, t);
        QTEST(t.digits, "digits");
        QTEST(t.scaled, "scaled");
        QTEST(results(t), "range");
        QCOMPARE(t.toleranceText, lists[5]);
        fourBandRangeTick(c, t);
        QTEST(results(t), "range");
    }

    // Lists left to right: number1, Combo2, number2, combo1, digit3, multiplier, tolerance.
    void fiveBand_data()
    {
        QTest::addColumn<QStringList>("lists");
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("fraction");
        QTest::addColumn<QString>("scaled");
        QTest::addColumn<QString>("range");

        auto row = [](const char *name, QStringList lists, const char *v, const char *f,
                      const char *s,
                      const char *range) { QTest::newRow(name) << lists << v << f << s << range; };
        row("470 Kohm", {"4", "", "7", "", "0", " Kohm", "1%"}, "470", ".01", "470",
            "465.3 Kohm / 474.7 Kohm");
        row("1M23", {"1", "M", "2", "", "3", " ", "5%"}, "123000", ".05", "1.23",
            "1.1685 Mohm / 1.2915 Mohm");
        row("10k0", {"1", "", "0", "k", "0", " ", "1%"}, "10000", ".01", "10",
            "9.9 Kohm / 10.1 Kohm");
        row("4k70", {"4", "k", "7", "", "0", " ", "5%"}, "4700", ".05", "4.7",
            "4.465 kohm / 4.935 kohm");
        row("2.20", {"2", ".", "2", "", "0", " ", "1%"}, "2.20", ".01", "2.20",
            "2.178 ohm / 2.222 ohm");
        row("10.0", {"1", "", "0", ".", "0", " ", "2%"}, "10.0", ".02", "10.0",
            "9.8 ohm / 10.2 ohm");
        row("100 ohm", {"1", "", "0", "", "0", " ohm", "1%"}, "100", ".01", "100",
            "99 ohm / 101 ohm");
        row("33M2", {"3", "", "3", "M", "2", " ", "10%"}, "3320000", ".1", "33.2",
            "29.88 Mohm / 36.52 Mohm");
        row("999 Mohm", {"9", "", "9", "", "9", " Mohm", "20%"}, "99900000", ".2", "999",
            "799.2 Mohm / 1198.8 Mohm");
        row("475 ohm", {"4", "", "7", "", "5", " ohm", "2%"}, "475", ".02", "475",
            "465.5 ohm / 484.5 ohm");
        row("470 Kohm 20%", {"4", "", "7", "", "0", " Kohm", "20%"}, "470", ".2", "470",
            "376 Kohm / 564 Kohm");
        row("first digit only", {"4", "", "", "", "", " Kohm", "5%"}, "4", ".05", "4",
            "3.8 Kohm / 4.2 Kohm");
        row("point, no digits", {"", ".", "", "", "", " ", "5%"}, ".", ".05", ".", " ohm /  ohm");
        row("only a tolerance", {"", "", "", "", "", "", "5%"}, "", ".05", "", "  /  ");
        row("unit blank", {"4", "", "7", "", "0", " ", "5%"}, "470", ".05", "", "  /  ");
        row("untouched", {"", "", "", "", "", "", ""}, "", "", "", "  /  ");
    }
    void fiveBand()
    {
        QFETCH(QStringList, lists);
        const FiveBandChoice c{lists[0], lists[1], lists[2], lists[3],
                               lists[4], lists[5], lists[6]};
        RangeTexts t;
        fiveBandRangeTick(c, t);
        QTEST(t.digits, "digits");
        QTEST(t.fraction, "fraction");
        QTEST(t.scaled, "scaled");
        QTEST(results(t), "range");
        QCOMPARE(t.toleranceText, lists[6]);
    }

    void failedStepsKeepEarlierResults()
    {
        RangeTexts t;
        FiveBandChoice c{"4", "", "7", "", "0", " Kohm", "5%"};
        fiveBandRangeTick(c, t);
        QCOMPARE(results(t), QStringLiteral("446.5 Kohm / 493.5 Kohm"));
        c.multiplier = QStringLiteral(" "); // no block holds any more
        fiveBandRangeTick(c, t);
        QCOMPARE(results(t), QStringLiteral("446.5 Kohm / 493.5 Kohm"));
        c.tolerance = QString(); // a list never returns to nothing; the fraction stays
        c.multiplier = QStringLiteral(" ohm");
        fiveBandRangeTick(c, t);
        QCOMPARE(results(t), QStringLiteral("446.5 ohm / 493.5 ohm"));

        RangeTexts four;
        fourBandRangeTick({"", "4", "", "7", " Kohm", "20%"}, four);
        fourBandRangeTick({"", "4", "", "7", " Kohm", "5%"}, four);
        QCOMPARE(results(four), QStringLiteral("44.65 Kohm / 49.35 Kohm"));
    }

    void fourBandValueText_data()
    {
        QTest::addColumn<QStringList>("lists");
        QTest::addColumn<QString>("text");
        QTest::newRow("untouched") << QStringList{"", "", "", "", "", ""} << " ";
        QTest::newRow("only 5%") << QStringList{"", "", "", "", "", "5%"} << " 5%";
        QTest::newRow("unit") << QStringList{"", "4", "", "7", " Kohm", "5%"} << "47 Kohm 5%";
        QTest::newRow("k") << QStringList{"", "4", "k", "7", " Kohm", "5%"} << "4.7 Kohms 5%";
        QTest::newRow("k released")
                << QStringList{"", "4", " ", "7", " Kohm", "5%"} << "47 Kohm 5%";
        QTest::newRow("leading point")
                << QStringList{".", "4", "", "7", "", "10%"} << ".47 ohms 10%";
        QTest::newRow("point") << QStringList{"", "4", ".", "7", "", "1%"} << "4.7 ohms 1%";
        QTest::newRow("M") << QStringList{"", "4", "M", "7", "", "10%"} << "4.7 Mohms 10%";
        QTest::newRow("leading blank")
                << QStringList{" ", "4", "", "7", "0 ohm", "2%"} << "470 ohm 2%";
    }
    void fourBandValueText()
    {
        QFETCH(QStringList, lists);
        QTEST(encoders::fourBandValueText(
                      {lists[0], lists[1], lists[2], lists[3], lists[4], lists[5]}),
              "text");
    }

    void fiveBandValueText_data()
    {
        QTest::addColumn<QStringList>("lists");
        QTest::addColumn<QString>("text");
        QTest::newRow("untouched") << QStringList{"", "", "", "", "", "", ""} << " ";
        QTest::newRow("only 5%") << QStringList{"", "", "", "", "", "", "5%"} << " 5%";
        QTest::newRow("unit") << QStringList{"4", "", "7", "", "0", " Kohm", "1%"} << "470 Kohm 1%";
        QTest::newRow("M first") << QStringList{"1", "M", "2", "", "3", " ", "5%"}
                                 << "1.23 Mohms 5%";
        QTest::newRow("k second") << QStringList{"1", "", "0", "k", "0", " ", ""} << "10.0 Kohms ";
        QTest::newRow("point first")
                << QStringList{"2", ".", "2", " ", "0", " ", "1%"} << "2.20 ohms 1%";
        QTest::newRow("point second")
                << QStringList{"1", " ", "0", ".", "0", " ", "2%"} << "10.0 ohms 2%";
        QTest::newRow("unit dropped") << QStringList{"4", "", "7", "", "0", " ", "5%"} << "470  5%";
        QTest::newRow("first and unit")
                << QStringList{"4", "", "", "", "", " Kohm", ""} << "4 Kohm ";
    }
    void fiveBandValueText()
    {
        QFETCH(QStringList, lists);
        QTEST(encoders::fiveBandValueText(
                      {lists[0], lists[1], lists[2], lists[3], lists[4], lists[5], lists[6]}),
              "text");
    }
};

QTEST_APPLESS_MAIN(TestEncoderRange)
#include "tst_encoderrange.moc"
