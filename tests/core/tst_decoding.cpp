// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

// The decoders' value and range, without any window: what one tick makes of the bands' list
// texts, from the range an earlier tick left (47 ohm, gold).

#include "core/decoding.h"
#include "support/rows.h"

#include <algorithm>

// fraction, scaled, minimum and its unit, maximum and its unit
const core::RangeTexts kEarlier{".05", "47", "44.65", "ohm", "49.35", "ohm"};

class TestDecoding : public QObject
{
    Q_OBJECT
private slots:
    // digits: "-" for a band not chosen. Expected: value, fraction, scaled, minimum with its
    // unit, maximum with its unit ("-" for empty).
    void tick_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("multiplier");
        QTest::addColumn<QString>("tolerance");
        QTest::addColumn<QString>("magnitude");
        QTest::addColumn<QString>("expected");
        // clang-format off
        row("1k 5%", "1 0", "red", "gold", "kilo", "1000 .05 1 0.95 Kohm 1.05 Kohm");
        row("560k 2%", "5 6", "yellow", "red", "kilo", "560000 .02 560 548.8 Kohm 571.2 Kohm");
        row("99M 20%", "9 9", "blue", "no band", "mega", "99000000 .2 99 79.2 Mohm 118.8 Mohm");
        row("100R in ohms", "1 0", "brown", "no band", "", "100 .2 47 80 ohm 120 ohm");
        row("gold: a point before the last digit", "1 0", "gold", "silver", "", "1.0 .1 47 0.9 ohm 1.1 ohm");
        row("silver: before the last two", "2 2", "silver", "gold", "", ".22 .05 47 0.209 ohm 0.231 ohm");
        row("five 1.00k 1%", "1 0 0", "brown", "brown", "kilo", "1000 .01 1 0.99 Kohm 1.01 Kohm");
        row("five 2R20", "2 2 0", "silver", "brown", "", "2.20 .01 47 2.178 ohm 2.222 ohm");
        row("five 10R0", "1 0 0", "gold", "red", "", "10.0 .02 47 9.8 ohm 10.2 ohm");
        row("five 999M", "9 9 9", "blue", "no band", "mega", "999000000 .2 999 799.2 Mohm 1198.8 Mohm");
        row("no multiplier: the digits", "1 0", "", "gold", "", "10 .05 47 9.5 ohm 10.5 ohm");
        row("no second digit", "4 -", "red", "gold", "kilo", "400 .05 0.4 0.38 Kohm 0.42 Kohm");
        row("no tolerance: the earlier one", "1 0", "black", "", "", "10 .05 47 9.5 ohm 10.5 ohm");
        row("no digits: the range kept", "- -", "", "silver", "", "- .1 47 44.65 ohm 49.35 ohm");
        row("a point alone: the range kept", "- -", "gold", "gold", "", ". .05 47 44.65 ohm 49.35 ohm");
        row("kilo, no digits: scaled kept", "- -", "", "gold", "kilo", "- .05 47 44.65 Kohm 49.35 Kohm");
        // clang-format on
    }
    void tick()
    {
        QFETCH(QString, digits);
        QFETCH(QString, multiplier);
        QFETCH(QString, tolerance);
        QFETCH(QString, magnitude);
        const QStringList d = digits.replace(u'-', QString()).split(u' ');
        core::Decoding t;
        t.digitCount = d.size() == 3 ? core::DigitCount::Three : core::DigitCount::Two;
        std::copy(d.begin(), d.end(), t.display.digits.begin());
        t.display.magnitude = magnitude;
        t.range = kEarlier;
        core::decoderTick(t, multiplier, tolerance);
        const QStringList out{t.value,
                              t.range.fraction,
                              t.range.scaled,
                              t.range.minimum,
                              t.range.minimumUnit,
                              t.range.maximum,
                              t.range.maximumUnit};
        QTEST(dashed(out), "expected");
    }
};

QTEST_APPLESS_MAIN(TestDecoding)
#include "tst_decoding.moc"
