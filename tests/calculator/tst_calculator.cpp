// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

// The calculator as the user works it: values typed, a button pressed, the result read; the
// formulas themselves are tried in tst_seriesparallel.

#include "support/screentest.h"

#include <QAccessible>

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

    // Each row starts from the result 5 (10 parallel 10); a computation that fails shows no
    // result, never the last one. Clear empties the result and sets both boxes to 0.
    void buttons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("shown");
        // clang-format off
        row("series resistors", "series resistors", "100", "220", "320");
        row("pressed by an assistive tool", "bus:series resistors", "100", "220", "320");
        row("parallel resistors", "parallel resistors", "100", "220", "68.75");
        row("series capacitors", "series capacitors", "1", "2", "0.666666666666667");
        row("parallel capacitors", "parallel capacitors", "0.1", "0.22", "0.32");
        row("a long result", "series resistors", "-1.23456789012346E+300", "0", "-1.23456789012346E+300");
        row("a reciprocal fails", "series capacitors", "5", "0", "");
        row("a sum fails", "series resistors", "x", "1", "");
        row("typing computes nothing", "", "47", "3", "5");
        row("clear", "clear", "47", "3", "");
        // clang-format on
    }
    void buttons()
    {
        QFETCH(QString, button);
        QFETCH(QString, first);
        QFETCH(QString, second);
        type(Role::FirstValue, QStringLiteral("10"));
        type(Role::SecondValue, QStringLiteral("10"));
        QTest::mouseClick(screentest::button(m_s, QStringLiteral("parallel resistors")),
                          Qt::LeftButton);
        type(Role::FirstValue, first);
        type(Role::SecondValue, second);
        if (button.startsWith(u"bus:")) {
            // as voice control and switch access press it, through the accessibility bus
            QAccessible::queryAccessibleInterface(screentest::button(m_s, button.mid(4)))
                    ->actionInterface()
                    ->doAction(QAccessibleActionInterface::pressAction());
        } else if (!button.isEmpty()) {
            QTest::mouseClick(screentest::button(m_s, button), Qt::LeftButton);
        }
        // every digit in the box, on one line
        auto *result = byRole<Label>(m_s, Role::Result);
        QTEST(result->caption(), "shown");
        QVERIFY(result->fontMetrics().horizontalAdvance(result->caption())
                <= result->contentsRect().width());
        QCOMPARE(byRole<TextBox>(m_s, Role::FirstValue)->text() + u'|'
                         + byRole<TextBox>(m_s, Role::SecondValue)->text(),
                 button == u"clear" ? QStringLiteral("0|0") : first + u'|' + second);
    }

private:
    void type(Role box, const QString &text)
    {
        auto *b = byRole<TextBox>(m_s, box);
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Delete);
        QTest::keyClicks(b, text);
    }

    Screen *m_s = nullptr;
};

OHMARA_WIDGET_TEST_MAIN(TestCalculator)
#include "tst_calculator.moc"
