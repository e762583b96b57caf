#include "calculator/formulas.h"
#include "colourcode/numbertext.h"

#include <QTest>

class TestFormulas : public QObject
{
    Q_OBJECT
private slots:
    // "" in the result column: no result, the screen keeps what it showed.
    void formulas_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("sum");
        QTest::addColumn<QString>("reciprocal");

        QTest::newRow("100 and 220") << "100"
                                     << "220"
                                     << "320"
                                     << "68.75";
        QTest::newRow("10 and 10") << "10"
                                   << "10"
                                   << "20"
                                   << "5";
        QTest::newRow("4 and 10") << "4"
                                  << "10"
                                  << "14"
                                  << "2.85714285714286";
        QTest::newRow("3 and 7") << "3"
                                 << "7"
                                 << "10"
                                 << "2.1";
        QTest::newRow("1 and 2") << "1"
                                 << "2"
                                 << "3"
                                 << "0.666666666666667";
        QTest::newRow("fractions kept") << "4.7"
                                        << "10"
                                        << "14.7"
                                        << "3.19727891156463";
        QTest::newRow("small capacitors") << "0.1"
                                          << "0.22"
                                          << "0.32"
                                          << "0.06875";
        QTest::newRow("halves") << "0.5"
                                << "0.5"
                                << "1"
                                << "0.25";
        QTest::newRow("exponents") << "1e3"
                                   << "4.7E-6"
                                   << "1000.0000047"
                                   << "4.69999997791E-06";
        QTest::newRow("blanks around") << " 100 "
                                       << "220  "
                                       << "320"
                                       << "68.75";
        QTest::newRow("negative") << "-2.5"
                                  << "1"
                                  << "-1.5"
                                  << "1.66666666666667";
        QTest::newRow("15 digits") << "1E15"
                                   << "1"
                                   << "1E+15"
                                   << "0.999999999999999";
        QTest::newRow("loaded zeros") << "0"
                                      << "0"
                                      << "0"
                                      << "";
        QTest::newRow("zero first") << "0"
                                    << "5"
                                    << "5"
                                    << "";
        QTest::newRow("zero second") << "5"
                                     << "0"
                                     << "5"
                                     << "";
        QTest::newRow("cancelling") << "5"
                                    << "-5"
                                    << "0"
                                    << "";
        QTest::newRow("letters") << "abc"
                                 << "5"
                                 << ""
                                 << "";
        QTest::newRow("empty") << ""
                               << "5"
                               << ""
                               << "";
        QTest::newRow("empty second") << "5"
                                      << ""
                                      << ""
                                      << "";
        QTest::newRow("inf") << "inf"
                             << "5"
                             << ""
                             << "";
        QTest::newRow("nan") << "5"
                             << "nan"
                             << ""
                             << "";
        QTest::newRow("beyond double") << "1e400"
                                       << "5"
                                       << ""
                                       << "";
        QTest::newRow("comma") << "4,7"
                               << "5"
                               << ""
                               << "";
        QTest::newRow("sum overflows") << "1.7e308"
                                       << "1.7e308"
                                       << ""
                                       << "8.5E+307";
        QTest::newRow("reciprocal overflows") << "1e-309"
                                              << "1"
                                              << "1"
                                              << "";
    }
    void formulas()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        auto text = [](std::optional<double> v) { return v ? colourcode::toText(*v) : QString(); };
        QTEST(text(calculator::sum(first, second)), "sum");
        QTEST(text(calculator::reciprocal(first, second)), "reciprocal");
    }
};

QTEST_APPLESS_MAIN(TestFormulas)
#include "tst_formulas.moc"
