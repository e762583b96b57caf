// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

// Both decoder screens driven as the user drives them: bands chosen, the resistor painted, the
// value spelled out, the range shown. Expectations read off the worked examples.

#include "support/screentest.h"
#include "ui/screenreader.h"
#include "ui/spokenresult.h"

#include <QAbstractItemView>
#include <QSignalSpy>

using namespace screentest;

namespace {

const int four = int(ScreenId::FourBandDecoder), five = int(ScreenId::FiveBandDecoder);

// The large display, left to right, as far as it shows: "4 . 7 kilo ohms 5 %".
QString display(Screen *s)
{
    const int top = byRole(s, Role::FirstShownDigit)->y();
    QList<Label *> shown;
    for (Label *l : s->findChildren<Label *>()) {
        if (l->y() == top && l->isVisibleTo(s) && !l->caption().isEmpty())
            shown << l;
    }
    std::sort(shown.begin(), shown.end(), [](Label *a, Label *b) { return a->x() < b->x(); });
    QStringList texts;
    for (Label *l : shown)
        texts << l->caption();
    return texts.join(u' ');
}

} // namespace

class TestDecoders : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { startAtMenu(); }
    void cleanup() { unloadAll(); }

    void decode_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("choices");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("paints");
        QTest::addColumn<QString>("range");
        // clang-format off
        row("untouched", four, "", "", "255,255,192 255,255,192 255,255,192 255,255,192", "- ohm - ohm -");
        row("1k 5%", four, "first=brown;second=black;multiplier=red;tolerance=gold", "1 . 0 kilo ohms 5 %", "128,64,64 0,0,0 255,0,0 192,192,1", "0.95 Kohm 1.05 Kohm 5");
        row("47k 5%", four, "first=yellow;second=purple;multiplier=orange;tolerance=gold", "4 7 kilo ohms 5 %", "255,255,1 255,0,255 255,128,1 192,192,1", "44.65 Kohm 49.35 Kohm 5");
        row("100R 20%", four, "first=brown;second=black;multiplier=brown;tolerance=no band", "1 0 0 ohms 20 %", "128,64,64 0,0,0 128,64,64 255,255,192", "80 ohm 120 ohm 20");
        row("33R 1%", four, "first=orange;second=orange;multiplier=black;tolerance=brown", "3 3 ohms 1 %", "255,128,1 255,128,1 0,0,0 128,64,64", "32.67 ohm 33.33 ohm 1");
        row("1R0 10%", four, "first=brown;second=black;multiplier=gold;tolerance=silver", "1 . 0 ohms 10 %", "128,64,64 0,0,0 192,192,1 176,176,176", "0.9 ohm 1.1 ohm 10");
        row("R22 5%", four, "first=red;second=red;multiplier=silver;tolerance=gold", ". 2 2 ohms 5 %", "255,0,1 255,0,1 176,176,176 192,192,1", "0.209 ohm 0.231 ohm 5");
        row("560k 2%", four, "first=green;second=blue;multiplier=yellow;tolerance=red", "5 6 0 kilo ohms 2 %", "0,255,1 0,0,255 255,255,1 255,0,0", "548.8 Kohm 571.2 Kohm 2");
        row("99M 20%", four, "first=white;second=white;multiplier=blue;tolerance=no band", "9 9 mega ohms 20 %", "255,255,255 255,255,255 0,0,255 255,255,192", "79.2 Mohm 118.8 Mohm 20");
        row("no multiplier yet", four, "first=brown;second=black;tolerance=gold", "1 0 5 %", "128,64,64 0,0,0 255,255,192 192,192,1", "9.5 ohm 10.5 ohm 5");
        row("no second digit", four, "first=yellow;multiplier=red;tolerance=gold", "4 . kilo ohms 5 %", "255,255,1 255,255,192 255,0,0 192,192,1", "0.38 Kohm 0.42 Kohm 5");
        row("only a tolerance", four, "tolerance=silver", "10 %", "255,255,192 255,255,192 255,255,192 176,176,176", "- ohm - ohm 10");
        row("gold, no digits", four, "tolerance=gold;multiplier=gold", ". ohms 5 %", "255,255,192 255,255,192 192,192,1 192,192,1", "- ohm - ohm 5");
        row("red then black", four, "first=yellow;second=purple;multiplier=red;tolerance=gold;multiplier=black", "4 7 ohms 5 %", "255,255,1 255,0,255 0,0,0 192,192,1", "44.65 ohm 49.35 ohm 5");
        row("silver then gold", four, "first=yellow;second=purple;multiplier=silver;tolerance=brown;multiplier=gold", "4 . 7 ohms 1 %", "255,255,1 255,0,255 192,192,1 128,64,64", "4.653 ohm 4.747 ohm 1");
        row("tolerance changed", four, "first=brown;second=black;multiplier=black;tolerance=gold;tolerance=red", "1 0 ohms 2 %", "128,64,64 0,0,0 0,0,0 255,0,0", "9.8 ohm 10.2 ohm 2");
        row("five 1k00 1%", five, "first=brown;second=black;third=black;multiplier=brown;tolerance=brown", "1 . 0 0 kilo ohms 1 %", "128,64,64 0,0,0 0,0,0 128,64,64 128,64,64", "0.99 Kohm 1.01 Kohm 1");
        row("five 47k0 5%", five, "first=yellow;second=purple;third=black;multiplier=red;tolerance=gold", "4 7 . 0 kilo ohms 5 %", "255,255,1 255,0,255 0,0,0 255,0,0 192,192,1", "44.65 Kohm 49.35 Kohm 5");
        row("five 2R20 1%", five, "first=red;second=red;third=black;multiplier=silver;tolerance=brown", "2 . 2 0 ohms 1 %", "255,0,1 255,0,1 0,0,0 176,176,176 128,64,64", "2.178 ohm 2.222 ohm 1");
        row("five 10R0 2%", five, "first=brown;second=black;third=black;multiplier=gold;tolerance=red", "1 0 . 0 ohms 2 %", "128,64,64 0,0,0 0,0,0 192,192,1 255,0,0", "9.8 ohm 10.2 ohm 2");
        row("five 4.70M 10%", five, "first=yellow;second=purple;third=black;multiplier=yellow;tolerance=silver", "4 . 7 0 mega ohms 10 %", "255,255,1 255,0,255 0,0,0 255,255,1 176,176,176", "4.23 Mohm 5.17 Mohm 10");
        row("five 47.0M 5%", five, "first=yellow;second=purple;third=black;multiplier=green;tolerance=gold", "4 7 . 0 mega ohms 5 %", "255,255,1 255,0,255 0,0,0 0,255,1 192,192,1", "44.65 Mohm 49.35 Mohm 5");
        row("five 999M 20%", five, "first=white;second=white;third=white;multiplier=blue;tolerance=no band", "9 9 9 mega ohms 20 %", "255,255,255 255,255,255 255,255,255 0,0,255 128,128,255", "799.2 Mohm 1198.8 Mohm 20");
        // clang-format on
    }
    void decode()
    {
        QFETCH(int, screen);
        QFETCH(QString, choices);
        Screen *s = open(ScreenId(screen));
        choose(s, choices);
        QTEST(display(s), "display");
        QTEST(shown(s, bands(s), true), "paints");
        QTEST(range(s), "range");
    }

    // The result offered to screen readers, as the display and the range boxes show it.
    void spoken_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("choices");
        QTest::addColumn<QString>("spoken");
        // clang-format off
        row("only a tolerance", four, "tolerance=silver", "10 %");
        row("no second digit", four, "first=yellow;multiplier=red;tolerance=gold", "4. kilo ohms, 5 %, minimum 0.38 Kohm, maximum 0.42 Kohm");
        row("five 2R20", five, "first=red;second=red;third=black;multiplier=silver;tolerance=brown", "2.20 ohms, 1 %, minimum 2.178 ohm, maximum 2.222 ohm");
        // clang-format on
    }
    void spoken()
    {
        QFETCH(int, screen);
        QFETCH(QString, choices);
        Screen *s = open(ScreenId(screen));
        choose(s, choices);
        QTEST(byRole(s, Role::FirstShownDigit)->accessibleName(), "spoken");
    }

    // Each choice told with its result, also one that leaves the result as it was; where screen
    // readers speak a list's new choice themselves, the result alone.
    void everyChoiceIsTold()
    {
        Screen *s = open(ScreenId::FourBandDecoder);
        QSignalSpy told(s->findChild<Announcer *>(), &Announcer::announced);
        choose(s, QStringLiteral("first=brown"));
        QTRY_COMPARE(told.count(), 1);
        choose(s, QStringLiteral("first=brown"));
        QTest::qWait(400);
        QStringList heard;
        for (const QList<QVariant> &announcement : told)
            heard << announcement.front().toString();
#ifdef OHMARA_ANNOUNCE_CHOICE
#ifdef OHMARA_ANNOUNCEMENTS
        // the list with the focus tells its choice with the result as it stands
        QCOMPARE(heard, QStringList({"brown. 1", "brown. 1"}));
#else
        QCOMPARE(heard, QStringList({"brown. 1", "brown"}));
        // each on a notice of its own: one notice shown again is not told again
        const auto notices = s->findChild<Announcer *>()->findChildren<QWidget *>();
        QCOMPARE(notices.at(1)->accessibleName(), QStringLiteral("brown"));
#endif
#else
        QCOMPARE(heard, QStringList({"1"}));
#endif
    }

    // Back pressed through the accessibility bus while a list's popup has the focus: the screen
    // goes with its popup, and nothing of it runs once it is gone.
    void unloadedWithAListOpen()
    {
        Screen *s = open(ScreenId::FourBandDecoder);
        auto *list = byRole<DropDownList>(s, Role::FirstDigit);
        list->setFocus();
        list->showPopup();
        QTRY_VERIFY(list->view()->hasFocus());
        button(s, QStringLiteral("back to main screen"))->click();
        settle();
        QVERIFY(!nav::screen(ScreenId::FourBandDecoder));
    }
};

OHMARA_WIDGET_TEST_MAIN(TestDecoders)
#include "tst_decoders.moc"
