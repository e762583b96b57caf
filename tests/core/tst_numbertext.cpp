// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

// The number conversions every computing screen shares, without any window.

#include "core/numbertext.h"
#include "support/rows.h"

#include <limits>

class TestNumberText : public QObject
{
    Q_OBJECT
private slots:
    void toNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        // clang-format off
        row("integer", "47000", true, 47000.0);
        row("leading point", ".47", true, 0.47);
        row("trailing point", "4.", true, 4.0);
        row("leading zeros", "00", true, 0.0);
        row("blanks around", " \t4.7 ", true, 4.7);
        row("plus", "+12", true, 12.0);
        row("minus", "-2.5", true, -2.5);
        row("exponent", "1e3", true, 1000.0);
        row("exponent upper negative", "4.7E-6", true, 4.7e-6);
        row("exponent plus", "1E+15", true, 1e15);
        row("largest double", "1.7976931348623157e308", true, std::numeric_limits<double>::max());
        row("65 characters", "10000000000000000000000000000000000000000000000000000000000000000", true, 1e64);
        row("long and small", "0.00000000000000000000000000000000000000000000000000000000000000047", true, 4.7e-64);
        row("point alone", ".", false, 0.0);
        row("empty", "", false, 0.0);
        row("blanks only", "   ", false, 0.0);
        row("two points", "1.2.3", false, 0.0);
        row("sign alone", "-", false, 0.0);
        row("sign and point", "-.", false, 0.0);
        row("two signs", "+-1", false, 0.0);
        row("exponent without digits", "1e", false, 0.0);
        row("exponent without mantissa", "e5", false, 0.0);
        row("comma", "4,7", false, 0.0);
        row("blank inside", "4 7", false, 0.0);
        row("trailing letter", "47k", false, 0.0);
        row("inf", "inf", false, 0.0);
        row("nan", "nan", false, 0.0);
        row("hex", "0x1A", false, 0.0);
        row("beyond double", "1e309", false, 0.0);
        row("arabic digit", "\u0664", false, 0.0);
        // clang-format on
    }
    void toNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        const auto n = core::toNumber(text);
        QCOMPARE(n.has_value(), ok);
        QCOMPARE(n.value_or(0.0), value);
    }

    void toText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        // clang-format off
        row("whole", 80.0, "80");
        row("below one", 0.95, "0.95");
        row("small", 0.004465, "0.004465");
        row("range sum", 0.05 * 47.0 + 47.0, "49.35");
        row("negative below one", -0.5, "-0.5");
        row("zero", 0.0, "0");
        row("minus zero", -0.0, "0");
        row("15 digits", 2.857142857142857, "2.85714285714286");
        row("two thirds", 2.0 / 3.0, "0.666666666666667");
        row("noise rounded away", 0.1 + 0.2, "0.3");
        row("carry into new digit", 999999999999999.5, "1E+15");
        row("largest fixed", 999999999999999.0, "999999999999999");
        row("1e15 plus 1", 1e15 + 1, "1E+15");
        row("mantissa", 1.5e20, "1.5E+20");
        row("three exponent digits", 1e100, "1E+100");
        row("three negative exponent digits", 1e-100, "1E-100");
        row("negative exponent form", -1.23456789012346e300, "-1.23456789012346E+300");
        row("ten thousandth", 0.0001, "0.0001");
        row("below ten thousandth", 0.00001, "1E-05");
        row("tiny", 1.5e-7, "1.5E-07");
        row("max of range", 1198.8, "1198.8");
        // clang-format on
    }
    void toText()
    {
        QFETCH(double, value);
        QTEST(core::toText(value), "text");
    }

    void localeDoesNotMatter()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        std::setlocale(LC_ALL, "de_DE.UTF-8");
        QCOMPARE(core::toText(4.7), QStringLiteral("4.7"));
        QCOMPARE(core::toNumber(u"4.7").value_or(0), 4.7);
        QVERIFY(!core::toNumber(u"4,7"));
        std::setlocale(LC_ALL, "C");
        QLocale::setDefault(QLocale::c());
    }
};

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
