// The calculator as the user works it: values typed, a button pressed, the result read.

#include "support/screentest.h"

using namespace screentest;

class TestCalculator : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { startAtMenu(); }
    void init()
    {
        m_s = open(ScreenId::Calculator);
        QVERIFY(QTest::qWaitForWindowExposed(m_s));
    }
    void cleanup() { unloadAll(); }

    // Each row starts from the result 5 (10 parallel 10); "5" after a failure: the result stays.
    // Clear empties the result and sets both boxes to 0.
    void formulas_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("shown");
        // clang-format off
        row("series resistors", "series resistors", "100", "220", "320");
        row("parallel resistors", "parallel resistors", "100", "220", "68.75");
        row("parallel 10 and 10", "parallel resistors", "10", "10", "5");
        row("parallel 4 and 10", "parallel resistors", "4", "10", "2.85714285714286");
        row("parallel 3 and 7", "parallel resistors", "3", "7", "2.1");
        row("series capacitors", "series capacitors", "1", "2", "0.666666666666667");
        row("parallel capacitors", "parallel capacitors", "0.1", "0.22", "0.32");
        row("fractions as typed", "series resistors", "4.7", "10", "14.7");
        row("halves in parallel", "parallel resistors", "0.5", "0.5", "0.25");
        row("exponents", "parallel capacitors", "1e3", "4.7E-6", "1000.0000047");
        row("tiny parallel", "series capacitors", "1e3", "4.7E-6", "4.69999997791E-06");
        row("blanks around", "series resistors", " 100 ", "220  ", "320");
        row("negative", "parallel resistors", "-2.5", "1", "1.66666666666667");
        row("15 digits", "series resistors", "1E15", "1", "1E+15");
        row("65 characters", "series resistors", "10000000000000000000000000000000000000000000000000000000000000000", "1", "1E+64");
        row("nearly 1", "parallel resistors", "1E15", "1", "0.999999999999999");
        row("zero sum", "series resistors", "5", "-5", "0");
        row("zero in parallel", "parallel resistors", "0", "5", "5");
        row("zero in series", "series capacitors", "5", "0", "5");
        row("cancelling", "parallel resistors", "5", "-5", "5");
        row("letters", "series capacitors", "ten", "3", "5");
        row("letters summed", "series resistors", "ten", "3", "5");
        row("empty", "parallel capacitors", "3", "", "5");
        row("comma", "series resistors", "4,7", "1", "5");
        row("inf", "series resistors", "inf", "1", "5");
        row("nan", "parallel resistors", "1", "nan", "5");
        row("beyond a double", "series resistors", "1e400", "1", "5");
        row("sum overflows", "series resistors", "1.7e308", "1.7e308", "5");
        row("reciprocal overflows", "parallel resistors", "1e-309", "1", "5");
        row("parallel of huge", "parallel resistors", "1.7e308", "1.7e308", "8.5E+307");
        row("typing computes nothing", "", "47", "3", "5");
        row("clear", "clear", "47", "3", "");
        // clang-format on
    }
    void formulas()
    {
        QFETCH(QString, button);
        QFETCH(QString, first);
        QFETCH(QString, second);
        type("val1", QStringLiteral("10"));
        type("val2", QStringLiteral("10"));
        press("parallel resistors");
        type("val1", first);
        type("val2", second);
        if (!button.isEmpty())
            press(button);
        QTEST(caption(m_s, "Label1"), "shown");
        QCOMPARE(m_s->control<TextBox>("val1")->text() + u'|'
                         + m_s->control<TextBox>("val2")->text(),
                 button == u"clear" ? QStringLiteral("0|0") : first + u'|' + second);
    }

private:
    void press(const QString &caption)
    {
        for (auto *b : m_s->findChildren<CommandButton *>()) {
            if (b->text() == caption)
                return QTest::mouseClick(b, Qt::LeftButton);
        }
        QFAIL(qPrintable(caption));
    }
    void type(const char *box, const QString &text)
    {
        auto *b = m_s->control<TextBox>(box);
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Delete);
        QTest::keyClicks(b, text);
    }

    Screen *m_s = nullptr;
};

OHMARA_WIDGET_TEST_MAIN(TestCalculator)
#include "tst_calculator.moc"
