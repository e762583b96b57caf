#include "colourcode/numbertext.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace colourcode;

class TestNumberText : public QObject
{
    Q_OBJECT
private slots:
    void toNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("integer") << "47000" << true << 47000.0;
        QTest::newRow("leading point") << ".47" << true << 0.47;
        QTest::newRow("trailing point") << "4." << true << 4.0;
        QTest::newRow("point between") << "1.0" << true << 1.0;
        QTest::newRow("leading zeros") << "00" << true << 0.0;
        QTest::newRow("fraction text") << ".05" << true << 0.05;
        QTest::newRow("point alone") << "." << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blanks only") << "   " << false << 0.0;
        QTest::newRow("two points") << "1.2.3" << false << 0.0;
        QTest::newRow("blanks around") << "  4.7 " << true << 4.7;
        QTest::newRow("plus") << "+12" << true << 12.0;
        QTest::newRow("minus") << "-2.5" << true << -2.5;
        QTest::newRow("sign alone") << "-" << false << 0.0;
        QTest::newRow("sign and point") << "-." << false << 0.0;
        QTest::newRow("exponent") << "1e3" << true << 1000.0;
        QTest::newRow("exponent upper negative") << "4.7E-6" << true << 4.7e-6;
        QTest::newRow("exponent plus") << "1E+15" << true << 1e15;
        QTest::newRow("exponent without digits") << "1e" << false << 0.0;
        QTest::newRow("exponent without mantissa") << "e5" << false << 0.0;
        QTest::newRow("comma") << "4,7" << false << 0.0;
        QTest::newRow("grouping") << "1,000" << false << 0.0;
        QTest::newRow("blank inside") << "4 7" << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("trailing letter") << "47k" << false << 0.0;
        QTest::newRow("inf") << "inf" << false << 0.0;
        QTest::newRow("infinity") << "Infinity" << false << 0.0;
        QTest::newRow("nan") << "nan" << false << 0.0;
        QTest::newRow("hex") << "0x1A" << false << 0.0;
        QTest::newRow("beyond double") << "1e309" << false << 0.0;
        QTest::newRow("largest double")
                << "1.7976931348623157e308" << true << std::numeric_limits<double>::max();
        QTest::newRow("arabic digit") << QString::fromUtf8("\u0664") << false << 0.0;
        QTest::newRow("very long") << QString(200, u'1') << false << 0.0;
    }
    void toNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        const auto n = colourcode::toNumber(text);
        QCOMPARE(n.has_value(), ok);
        if (ok)
            QCOMPARE(*n, value);
    }

    void toText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 80.0 << "80";
        QTest::newRow("thousand") << 1000.0 << "1000";
        QTest::newRow("below one") << 0.95 << "0.95";
        QTest::newRow("small") << 0.209 << "0.209";
        QTest::newRow("three places") << 0.004465 << "0.004465";
        QTest::newRow("range sum") << 0.05 * 47.0 + 47.0 << "49.35";
        QTest::newRow("range difference") << 47.0 - 0.05 * 47.0 << "44.65";
        QTest::newRow("negative") << -2.5 << "-2.5";
        QTest::newRow("negative below one") << -0.5 << "-0.5";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("minus zero") << -0.0 << "0";
        QTest::newRow("15 digits") << 2.857142857142857 << "2.85714285714286";
        QTest::newRow("two thirds") << 2.0 / 3.0 << "0.666666666666667";
        QTest::newRow("rounds up at 15th") << 0.1 + 0.2 << "0.3";
        QTest::newRow("carry into new digit") << 999999999999999.5 << "1E+15";
        QTest::newRow("largest fixed") << 999999999999999.0 << "999999999999999";
        QTest::newRow("exponent from 1e15") << 1e15 << "1E+15";
        QTest::newRow("1e15 plus 1") << 1e15 + 1 << "1E+15";
        QTest::newRow("mantissa") << 1.5e20 << "1.5E+20";
        QTest::newRow("three exponent digits") << 1e300 << "1E+300";
        QTest::newRow("negative exponent form") << -2e16 << "-2E+16";
        QTest::newRow("ten thousandth") << 0.0001 << "0.0001";
        QTest::newRow("below ten thousandth") << 0.00001 << "1E-05";
        QTest::newRow("tiny") << 1.5e-7 << "1.5E-07";
        QTest::newRow("scaled kilo") << 1188.0 << "1188";
        QTest::newRow("max of range") << 1198.8 << "1198.8";
    }
    void toText()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(colourcode::toText(value), text);
    }

    void localeDoesNotMatter()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        std::setlocale(LC_ALL, "de_DE.UTF-8");
        QCOMPARE(colourcode::toText(4.7), QStringLiteral("4.7"));
        QCOMPARE(colourcode::toNumber(u"4.7").value_or(0), 4.7);
        QVERIFY(!colourcode::toNumber(u"4,7"));
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(previous);
    }
};

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
