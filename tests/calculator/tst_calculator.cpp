// The calculator as the user works it: values typed, a button pressed, the result read; the
// formulas themselves are tried in tst_formulas.

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
    void buttons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("shown");
        // clang-format off
        row("series resistors", "series resistors", "100", "220", "320");
        row("parallel resistors", "parallel resistors", "100", "220", "68.75");
        row("series capacitors", "series capacitors", "1", "2", "0.666666666666667");
        row("parallel capacitors", "parallel capacitors", "0.1", "0.22", "0.32");
        row("exponent form", "series resistors", "1E15", "1", "1E+15");
        row("a sum fails", "parallel capacitors", "3", "", "5");
        row("a reciprocal fails", "series capacitors", "5", "0", "5");
        row("typing computes nothing", "", "47", "3", "5");
        row("clear", "clear", "47", "3", "");
        // clang-format on
    }
    void buttons()
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
        QTEST(caption(m_s, shows(ScreenId::Calculator).result), "shown");
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
