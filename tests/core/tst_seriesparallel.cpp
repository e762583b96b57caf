// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

// The calculator's two formulas on values as typed, without any window: "-" where there is no
// result, and the screen keeps its old one.

#include "core/numbertext.h"
#include "core/seriesparallel.h"
#include "support/rows.h"

namespace {

QString shown(std::optional<double> result)
{
    return result ? core::toText(*result) : QStringLiteral("-");
}

} // namespace

class TestSeriesParallel : public QObject
{
    Q_OBJECT
private slots:
    void formulas_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("sum");
        QTest::addColumn<QString>("reciprocal");
        // clang-format off
        row("4 and 10", "4", "10", "14", "2.85714285714286");
        row("1 and 2", "1", "2", "3", "0.666666666666667");
        row("fractions", "4.7", "10", "14.7", "3.19727891156463");
        row("below one", "0.1", "0.22", "0.32", "0.06875");
        row("negative", "-2.5", "1", "-1.5", "1.66666666666667");
        row("15 digits", "1E15", "1", "1E+15", "0.999999999999999");
        row("cancelling", "5", "-5", "0", "-");
        row("first zero", "0", "5", "5", "-");
        row("second zero", "5", "0", "5", "-");
        row("letters", "ten", "3", "-", "-");
        row("empty", "3", "", "-", "-");
        row("huge", "1.7e308", "1.7e308", "-", "8.5E+307");
        row("tiny", "1e-309", "1", "1", "-");
        // clang-format on
    }
    void formulas()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QTEST(shown(core::sum(first, second)), "sum");
        QTEST(shown(core::reciprocal(first, second)), "reciprocal");
    }
};

QTEST_APPLESS_MAIN(TestSeriesParallel)
#include "tst_seriesparallel.moc"
