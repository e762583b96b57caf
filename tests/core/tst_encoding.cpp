// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

// The encoders' value text and range, without any window: what the lists' texts make of them,
// from the range an earlier choice left (47 ohm, gold).

#include "core/encoding.h"
#include "support/rows.h"

using namespace core;

namespace {

// digits, fraction, scaled, minimum with its unit, maximum with its unit ("-" for empty)
QString range(const EncoderTexts &t)
{
    return dashed({t.digits, t.range.fraction, t.range.scaled, t.range.minimum, t.range.minimumUnit,
                   t.range.maximum, t.range.maximumUnit});
}

const BandColour *toleranceOf(const QString &text)
{
    for (const BandColour &c : table()) {
        if (c.tolerance && text == QLatin1String(c.tolerance->listText))
            return &c;
    }
    return nullptr;
}

// digits, then the range: fraction, scaled, minimum and its unit, maximum and its unit
const EncoderTexts kEarlier{{}, {".05", "47", "44.65", "ohm", "49.35", "ohm"}, {}};

} // namespace

class TestEncoding : public QObject
{
    Q_OBJECT
private slots:
    // The lists' texts left to right, between bars.
    void fourBand_data()
    {
        QTest::addColumn<QString>("lists");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("range");
        // clang-format off
        row("47 Kohm", " |4| |7| Kohm|5%", "47 Kohm 5%", "47000 .05 47 44.65 Kohm 49.35 Kohm");
        row("250 ohm", " |2| |5|0 ohm|1%", "250 ohm 1%", "250 .01 250 247.5 ohm 252.5 ohm");
        row("360 Kohm", " |3| |6|0 Kohm|5%", "360 Kohm 5%", "360000 .05 360 342 Kohm 378 Kohm");
        row("k between: the unit does not count", " |4|k|7| Kohm|5%", "4.7 Kohms 5%", "47 .05 4.7 4.465 Kohm 4.935 Kohm");
        row("M between: the unit does not count", " |4|M|7| Mohm|5%", "4.7 Mohms 5%", "4700000 .05 4.7 4.465 Mohm 4.935 Mohm");
        row("point between", " |4|.|7||1%", "4.7 ohms 1%", "4.7 .01 4.7 4.653 ohm 4.747 ohm");
        row("point in front", ".|4| |7| Kohm|10%", ".47 ohms 10%", ".47 .1 .47 0.423 ohm 0.517 ohm");
        row("no unit: the range kept", " |4| |7||5%", "47 5%", "47 .05 47 44.65 ohm 49.35 ohm");
        row("no tolerance: the earlier one", " |1| |0| ohm|", "10 ohm ", "10 .05 10 9.5 ohm 10.5 ohm");
        row("no digits: the range kept", " || || ohm|5%", " ohm 5%", "- .05 - 44.65 ohm 49.35 ohm");
        // clang-format on
    }
    void fourBand()
    {
        QFETCH(QString, lists);
        const QStringList l = lists.split(u'|');
        const FourBandChoice choice{.pointInFront = l[0],
                                    .firstDigit = l[1],
                                    .pointOrLetter = l[2],
                                    .secondDigit = l[3],
                                    .unit = l[4],
                                    .tolerance = l[5],
                                    .toleranceColour = toleranceOf(l[5])};
        EncoderTexts t = kEarlier;
        fourBandRange(choice, t);
        QTEST(fourBandValueText(choice), "value");
        QTEST(range(t), "range");
    }

    void fiveBand_data()
    {
        QTest::addColumn<QString>("lists");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("range");
        // clang-format off
        row("470 Kohm", "4| |7| |0| Kohm|1%", "470 Kohm 1%", "470 .01 470 465.3 Kohm 474.7 Kohm");
        row("100 ohm", "1| |0| |0| ohm|2%", "100 ohm 2%", "100 .02 100 98 ohm 102 ohm");
        row("999 Mohm", "9| |9| |9| Mohm|20%", "999 Mohm 20%", "99900000 .2 999 799.2 Mohm 1198.8 Mohm");
        row("point after the first", "1|.|2| |3| |5%", "1.23 ohms 5%", "1.23 .05 1.23 1.1685 ohm 1.2915 ohm");
        row("k after the first", "1|k|2| |3| |5%", "1.23 Kohms 5%", "1230 .05 1.23 1.1685 kohm 1.2915 kohm");
        row("M after the first", "1|M|2| |3| |5%", "1.23 Mohms 5%", "123000 .05 1.23 1.1685 Mohm 1.2915 Mohm");
        row("point after the second", "1| |2|.|3| |5%", "12.3 ohms 5%", "12.3 .05 12.3 11.685 ohm 12.915 ohm");
        row("k after the second", "1| |2|k|3| |5%", "12.3 Kohms 5%", "12300 .05 12.3 11.685 Kohm 12.915 Kohm");
        row("M after the second", "1| |2|M|3| |5%", "12.3 Mohms 5%", "1230000 .05 12.3 11.685 Mohm 12.915 Mohm");
        row("no unit: the range kept", "4| |7| |0| |1%", "470  1%", "470 .01 47 44.65 ohm 49.35 ohm");
        // clang-format on
    }
    void fiveBand()
    {
        QFETCH(QString, lists);
        const QStringList l = lists.split(u'|');
        const FiveBandChoice choice{.firstDigit = l[0],
                                    .afterFirst = l[1],
                                    .secondDigit = l[2],
                                    .afterSecond = l[3],
                                    .thirdDigit = l[4],
                                    .unit = l[5],
                                    .tolerance = l[6],
                                    .toleranceColour = toleranceOf(l[6])};
        EncoderTexts t = kEarlier;
        fiveBandRange(choice, t);
        QTEST(fiveBandValueText(choice), "value");
        QTEST(range(t), "range");
    }
};

QTEST_APPLESS_MAIN(TestEncoding)
#include "tst_encoding.moc"
