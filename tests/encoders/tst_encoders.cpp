// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

// Both encoder screens driven as the user drives them; the range rules themselves are tried in
// tst_encoding.

#include "support/screentest.h"

#include <QAccessible>

using namespace screentest;

namespace {

const int four = int(ScreenId::FourBandEncoder), five = int(ScreenId::FiveBandEncoder);

} // namespace

class TestEncoders : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { startAtMenu(); }
    void cleanup() { unloadAll(); }

    void encode_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("choices");
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("paints");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("range");
        QTest::addColumn<QString>("locked");
        // clang-format off
        row("untouched", four, "", "- - - -", "255,255,192 255,255,192 255,255,192 255,255,192", " ", "- - - - -", "");
        row("only 5%", four, "tolerance=5%", "- - - Gold", "255,255,192 255,255,192 255,255,192 192,192,1", " 5%", "- - - - 5%", "");
        row("47 Kohm 5%", four, "first=4;second=7;unit= Kohm;tolerance=5%", "Yellow Purple Orange Gold", "255,255,1 255,0,255 255,128,1 192,192,1", "47 Kohm 5%", "44.65 Kohm 49.35 Kohm 5%", "");
        row("then k", four, "first=4;second=7;unit= Kohm;tolerance=5%;between=k", "Yellow Purple Red Gold", "255,255,1 255,0,255 255,0,0 192,192,1", "4.7 Kohms 5%", "4.465 Kohm 4.935 Kohm 5%", "decimal point in front,unit");
        row("then blank: the unit paints its band again", four, "first=4;second=7;unit= Kohm;tolerance=5%;between=k;between= ", "Yellow Purple Orange Gold", "255,255,1 255,0,255 255,128,1 192,192,1", "47 Kohm 5%", "44.65 Kohm 49.35 Kohm 5%", "");
        row(".47 ohms 10%", four, "in front=.;first=4;second=7;tolerance=10%", "Yellow Purple silver Silver", "255,255,1 255,0,255 176,176,176 176,176,176", ".47 ohms 10%", "0.423 ohm 0.517 ohm 10%", "decimal point or letter,unit");
        row("4.7 ohms 1%", four, "first=4;between=.;second=7;tolerance=1%", "Yellow Purple Gold Brown", "255,255,1 255,0,255 192,192,1 128,64,64", "4.7 ohms 1%", "4.653 ohm 4.747 ohm 1%", "decimal point in front,unit");
        row("4.7 Mohms 10%", four, "first=4;between=M;second=7;tolerance=10%", "Yellow Purple Green Silver", "255,255,1 255,0,255 0,255,0 176,176,176", "4.7 Mohms 10%", "4.23 Mohm 5.17 Mohm 10%", "decimal point in front,unit");
        row("99 Mohm 20%", four, "first=9;second=9;unit= Mohm;tolerance=20%", "White White blue No band", "255,255,255 255,255,255 0,0,255 255,255,192", "99 Mohm 20%", "79.2 Mohm 118.8 Mohm 20%", "");
        row("five 470 Kohm 1%", five, "first=4;second=7;third=0;unit= Kohm;tolerance=1%", "Yellow Purple black Orange Brown", "255,255,1 255,0,255 0,0,0 255,128,1 128,64,64", "470 Kohm 1%", "465.3 Kohm 474.7 Kohm 1%", "");
        row("five unit set back", five, "first=4;second=7;third=0;unit= Kohm;tolerance=1%;unit= ", "Yellow Purple black Orange Brown", "255,255,1 255,0,255 0,0,0 255,128,1 128,64,64", "470  1%", "465.3 Kohm 474.7 Kohm 1%", "");
        row("five 1.23", five, "first=1;second=2;third=3;unit= Mohm;tolerance=5%;after first=.", "Brown Red Orange Silver Gold", "128,64,64 255,0,1 255,128,1 176,176,176 192,192,1", "1.23 ohms 5%", "1.1685 ohm 1.2915 ohm 5%", "D.P. after the 2nd digit,multiplier");
        row("five 1k23", five, "first=1;second=2;third=3;unit= Mohm;tolerance=5%;after first=k", "Brown Red Orange Brown Gold", "128,64,64 255,0,1 255,128,1 128,64,64 192,192,1", "1.23 Kohms 5%", "1.1685 kohm 1.2915 kohm 5%", "D.P. after the 2nd digit,multiplier");
        row("five 1M23", five, "first=1;second=2;third=3;unit= Mohm;tolerance=5%;after first=M", "Brown Red Orange Yellow Gold", "128,64,64 255,0,1 255,128,1 255,255,0 192,192,1", "1.23 Mohms 5%", "1.1685 Mohm 1.2915 Mohm 5%", "D.P. after the 2nd digit,multiplier");
        row("five 12.3", five, "first=1;second=2;third=3;unit= Mohm;tolerance=5%;after second=.", "Brown Red Orange Gold Gold", "128,64,64 255,0,1 255,128,1 192,192,1 192,192,1", "12.3 ohms 5%", "11.685 ohm 12.915 ohm 5%", "D.P. after the 1st digit,multiplier");
        row("five 12k3", five, "first=1;second=2;third=3;unit= Mohm;tolerance=5%;after second=k", "Brown Red Orange Red Gold", "128,64,64 255,0,1 255,128,1 255,0,0 192,192,1", "12.3 Kohms 5%", "11.685 Kohm 12.915 Kohm 5%", "D.P. after the 1st digit,multiplier");
        row("five 12M3", five, "first=1;second=2;third=3;unit= Mohm;tolerance=5%;after second=M", "Brown Red Orange Green Gold", "128,64,64 255,0,1 255,128,1 0,255,0 192,192,1", "12.3 Mohms 5%", "11.685 Mohm 12.915 Mohm 5%", "D.P. after the 1st digit,multiplier");
        row("five first released", five, "unit= Mohm;after first=.;after first= ", "- - - - -", "128,128,255 128,128,255 128,128,255 128,128,255 128,128,255", "  ", "- ohm - ohm -", "");
        row("five first blank sets the unit back", five, "unit= Mohm;after first= ", "- - - - -", "128,128,255 128,128,255 128,128,255 128,128,255 128,128,255", "  ", "- Mohm - Mohm -", "");
        row("five second blank: the unit paints its band", five, "unit= Mohm;after second= ", "- - - blue -", "128,128,255 128,128,255 128,128,255 0,0,255 128,128,255", " Mohm ", "- Mohm - Mohm -", "");
        // clang-format on
    }
    void encode()
    {
        QFETCH(int, screen);
        QFETCH(QString, choices);
        Screen *s = open(ScreenId(screen));
        choose(s, choices);
        QTEST(shown(s, bands(s, true)), "names");
        QTEST(shown(s, bands(s), true), "paints");
        QTEST(caption(s, Role::ValueLine), "value");
        QTEST(range(s), "range");
        QTEST(locked(s), "locked");
    }

    // A list a point has locked refuses a choice from any source: an assistive tool that works
    // the list through the accessibility bus finds no action, and selecting an item changes
    // nothing.
    void aLockedListRefusesEveryChoice_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("choices");
        QTest::addColumn<QString>("refusing");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("shown");
        // clang-format off
        row("five unit after a point", five, "first=4;after first=.;second=7;third=0;tolerance=5%", "unit", " Kohm", "4.465 ohm 4.935 ohm 5% D.P. after the 2nd digit,multiplier");
        row("four between after a point in front", four, "in front=.;first=4;second=7;tolerance=10%", "between", "k", "0.423 ohm 0.517 ohm 10% decimal point or letter,unit");
        // clang-format on
    }
    void aLockedListRefusesEveryChoice()
    {
        QFETCH(int, screen);
        QFETCH(QString, choices);
        QFETCH(QString, refusing);
        QFETCH(QString, item);
        Screen *s = open(ScreenId(screen));
        choose(s, choices);
        auto *lockedList = list(s, refusing);
        QAccessibleInterface *listed = QAccessible::queryAccessibleInterface(lockedList);
        QCOMPARE(listed->actionInterface()->actionNames(), QStringList());
        QAccessibleInterface *cell
                = listed->child(0)->tableInterface()->cellAt(lockedList->findText(item), 0);
        cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QTEST(range(s) + u' ' + locked(s), "shown");
    }
};

OHMARA_WIDGET_TEST_MAIN(TestEncoders)
#include "tst_encoders.moc"
