// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

// The decoders' display, value and range, without any window: what the bands chosen make of
// them, from the range an earlier choice left (47 ohm, gold).

#include "core/decoding.h"
#include "support/rows.h"

// fraction, scaled, minimum and its unit, maximum and its unit
const core::RangeTexts kEarlier{".05", "47", "44.65", "ohm", "49.35", "ohm"};

class TestDecoding : public QObject
{
    Q_OBJECT
private slots:
    // digits: "-" for a band not chosen; bands by list name, "" for none. Expected: the display's
    // number and magnitude, then value, fraction, scaled, minimum with its unit, maximum with its
    // unit ("-" for empty).
    void choose_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("multiplier");
        QTest::addColumn<QString>("tolerance");
        QTest::addColumn<QString>("expected");
        // clang-format off
        row("1k 5%", "1 0", "red", "gold", "1.0 kilo 1000 .05 1 0.95 Kohm 1.05 Kohm");
        row("560k 2%", "5 6", "yellow", "red", "560 kilo 560000 .02 560 548.8 Kohm 571.2 Kohm");
        row("99M 20%", "9 9", "blue", "no band", "99 mega 99000000 .2 99 79.2 Mohm 118.8 Mohm");
        row("100R in ohms", "1 0", "brown", "no band", "100 - 100 .2 47 80 ohm 120 ohm");
        row("gold: a point before the last digit", "1 0", "gold", "silver", "1.0 - 1.0 .1 47 0.9 ohm 1.1 ohm");
        row("silver: before the last two", "2 2", "silver", "gold", ".22 - .22 .05 47 0.209 ohm 0.231 ohm");
        row("five 1.00k 1%", "1 0 0", "brown", "brown", "1.00 kilo 1000 .01 1 0.99 Kohm 1.01 Kohm");
        row("five 47.0k", "4 7 0", "red", "gold", "47.0 kilo 47000 .05 47 44.65 Kohm 49.35 Kohm");
        row("five 2R20", "2 2 0", "silver", "brown", "2.20 - 2.20 .01 47 2.178 ohm 2.222 ohm");
        row("five 10R0", "1 0 0", "gold", "red", "10.0 - 10.0 .02 47 9.8 ohm 10.2 ohm");
        row("five 4.70M", "4 7 0", "yellow", "silver", "4.70 mega 4700000 .1 4.7 4.23 Mohm 5.17 Mohm");
        row("five 999M", "9 9 9", "blue", "no band", "999 mega 999000000 .2 999 799.2 Mohm 1198.8 Mohm");
        row("no multiplier: the digits", "1 0", "", "gold", "10 - 10 .05 47 9.5 ohm 10.5 ohm");
        row("no second digit", "4 -", "red", "gold", "4. kilo 400 .05 0.4 0.38 Kohm 0.42 Kohm");
        row("no tolerance: the earlier one", "1 0", "black", "", "10 - 10 .05 47 9.5 ohm 10.5 ohm");
        row("no digits: the range kept", "- -", "", "silver", "- - - .1 47 44.65 ohm 49.35 ohm");
        row("a point alone: the range kept", "- -", "gold", "gold", ". - . .05 47 44.65 ohm 49.35 ohm");
        row("a black first digit refused", "0 1", "", "", "1 - 1 .05 47 0.95 ohm 1.05 ohm");
        // clang-format on
    }
    void choose()
    {
        QFETCH(QString, digits);
        QFETCH(QString, multiplier);
        QFETCH(QString, tolerance);
        const QStringList d = digits.split(u' ');
        core::Decoding t;
        t.digitCount = d.size() == 3 ? core::DigitCount::Three : core::DigitCount::Two;
        t.range = kEarlier;
        for (qsizetype place = 0; place < d.size(); ++place) {
            if (d[place] != u"-")
                core::chooseDigit(t, size_t(place), core::colourAt(d[place].toInt()));
        }
        if (!multiplier.isEmpty())
            core::chooseMultiplier(t, *core::findByListName(multiplier));
        if (!tolerance.isEmpty())
            core::chooseTolerance(t, *core::findByListName(tolerance));
        core::computeRange(t);
        const QStringList out{core::displayedNumber(t), t.display.magnitude, t.value,
                              t.range.fraction,         t.range.scaled,      t.range.minimum,
                              t.range.minimumUnit,      t.range.maximum,     t.range.maximumUnit};
        QTEST(dashed(out), "expected");
    }
};

QTEST_APPLESS_MAIN(TestDecoding)
#include "tst_decoding.moc"
