#include "calculator/calculator.h"
#include "support/screentest.h"

#include <QApplication>

using namespace ui;
namespace nav = ui::navigation;

class TestCalculator : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { screentest::startAtMenu(); }
    void init()
    {
        nav::open(ScreenId::Calculator);
        m_s = nav::screenAs<calculator::Calculator>(ScreenId::Calculator);
        QVERIFY(QTest::qWaitForWindowExposed(m_s));
    }
    void cleanup()
    {
        nav::unload(ScreenId::Calculator);
        screentest::settle();
    }

    void designState()
    {
        QCOMPARE(m_s->windowTitle(), QStringLiteral("Resistor/Capacitor Calculator"));
        QCOMPARE(m_s->size(), QSize(307, 260));
        QCOMPARE(text("val1"), QStringLiteral("0"));
        QCOMPARE(text("val2"), QStringLiteral("0"));
        QCOMPARE(result(), QString());
        QStringList order;
        for (QWidget *w : m_s->tabOrder())
            order << w->objectName();
        QCOMPARE(order,
                 (QStringList{"Command1", "Command2", "Command6", "Command5", "val1", "val2",
                              "Command4", "Command3"}));
        QCOMPARE(m_s->focusWidget(), m_s->control<QWidget>("Command1"));
    }

    void buttons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("shown");
        QTest::newRow("series resistors") << "Command1"
                                          << "series resistors"
                                          << "100"
                                          << "220"
                                          << "320";
        QTest::newRow("parallel resistors") << "Command2"
                                            << "parallel resistors"
                                            << "100"
                                            << "220"
                                            << "68.75";
        QTest::newRow("series capacitors") << "Command6"
                                           << "series capacitors"
                                           << "1"
                                           << "2"
                                           << "0.666666666666667";
        QTest::newRow("parallel capacitors") << "Command5"
                                             << "parallel capacitors"
                                             << "0.1"
                                             << "0.22"
                                             << "0.32";
        QTest::newRow("series resistors 4.7k") << "Command1"
                                               << "series resistors"
                                               << "4.7"
                                               << "10"
                                               << "14.7";
        QTest::newRow("1E+15") << "Command1"
                               << "series resistors"
                               << "1E15"
                               << "1"
                               << "1E+15";
    }
    void buttons()
    {
        QFETCH(QString, button);
        QFETCH(QString, first);
        QFETCH(QString, second);
        auto *b = m_s->findChild<CommandButton *>(button);
        QTEST(b->text(), "caption");
        type("val1", first);
        type("val2", second);
        QTest::mouseClick(b, Qt::LeftButton);
        QTEST(result(), "shown");
    }

    void failuresKeepTheResult_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("series capacitors, 0") << "Command6"
                                              << "0"
                                              << "3";
        QTest::newRow("parallel resistors, cancel") << "Command2"
                                                    << "5"
                                                    << "-5";
        QTest::newRow("series capacitors, letters") << "Command6"
                                                    << "ten"
                                                    << "3";
        QTest::newRow("series capacitors, empty") << "Command6"
                                                  << ""
                                                  << "3";
        QTest::newRow("series resistors, letters") << "Command1"
                                                   << "ten"
                                                   << "3";
        QTest::newRow("parallel capacitors, empty") << "Command5"
                                                    << "3"
                                                    << "";
        QTest::newRow("series resistors, overflow") << "Command1"
                                                    << "1e308"
                                                    << "1e308";
        QTest::newRow("series resistors, inf") << "Command1"
                                               << "inf"
                                               << "1";
    }
    void failuresKeepTheResult()
    {
        QFETCH(QString, button);
        QFETCH(QString, first);
        QFETCH(QString, second);
        type("val1", QStringLiteral("10"));
        type("val2", QStringLiteral("10"));
        m_s->Command2_Click();
        QCOMPARE(result(), QStringLiteral("5"));
        type("val1", first);
        type("val2", second);
        QTest::mouseClick(m_s->findChild<CommandButton *>(button), Qt::LeftButton);
        QCOMPARE(result(), QStringLiteral("5"));
        QCOMPARE(text("val1"), first);
        QCOMPARE(text("val2"), second);
        // still usable
        type("val1", QStringLiteral("1"));
        type("val2", QStringLiteral("2"));
        m_s->Command1_Click();
        QCOMPARE(result(), QStringLiteral("3"));
    }

    void loadedZerosGiveNoParallelResult()
    {
        m_s->Command2_Click();
        QCOMPARE(result(), QString());
    }

    void clearRestoresTheLoadedState()
    {
        type("val1", QStringLiteral("47"));
        type("val2", QStringLiteral("x"));
        m_s->Command1_Click();
        type("val2", QStringLiteral("3"));
        m_s->Command1_Click();
        QCOMPARE(result(), QStringLiteral("50"));
        QTest::mouseClick(m_s->control<CommandButton>("Command4"), Qt::LeftButton);
        QCOMPARE(text("val1"), QStringLiteral("0"));
        QCOMPARE(text("val2"), QStringLiteral("0"));
        QCOMPARE(result(), QString());
    }

    void backAndReopenStartsAfresh()
    {
        type("val1", QStringLiteral("47"));
        m_s->Command1_Click();
        QTest::mouseClick(m_s->control<CommandButton>("Command3"), Qt::LeftButton);
        screentest::settle();
        QVERIFY(!nav::screen(ScreenId::Calculator));
        nav::open(ScreenId::Calculator);
        m_s = nav::screenAs<calculator::Calculator>(ScreenId::Calculator);
        QCOMPARE(text("val1"), QStringLiteral("0"));
        QCOMPARE(result(), QString());
    }

    void typingComputesNothing()
    {
        QTest::keyClicks(m_s->control<TextBox>("val1"), QStringLiteral("12"));
        QCOMPARE(result(), QString());
    }

private:
    QString text(const char *box) { return m_s->control<TextBox>(box)->text(); }
    QString result() { return screentest::caption(m_s, "Label1"); }
    void type(const char *box, const QString &t)
    {
        auto *b = m_s->control<TextBox>(box);
        b->selectAll();
        QTest::keyClick(b, Qt::Key_Delete);
        QTest::keyClicks(b, t);
        QCOMPARE(b->text(), t);
    }

    calculator::Calculator *m_s = nullptr;
};

OHMARA_WIDGET_TEST_MAIN(TestCalculator)
#include "tst_calculator.moc"
