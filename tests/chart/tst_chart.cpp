// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

// The colour code chart, read by where its texts stand, agrees with the colour code table.

#include "core/bandcolour.h"
#include "core/numbertext.h"
#include "support/screentest.h"

using namespace screentest;

class TestChart : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { startAtMenu(); }
    void init()
    {
        m_s = open(ScreenId::Chart);
        QVERIFY(QTest::qWaitForWindowExposed(m_s));
    }
    void cleanup() { unloadAll(); }

    // Rows every 240 twips from 2280; columns between the vertical rules.
    void chartAgreesWithTheTable()
    {
        enum { Swatch, Digit1, Digit2, Digit3, Multiplier, Tolerance, Columns };
        const int rules[] = {72, 112, 159, 199, 286}; // 1080, 1680, 2385, 2985, 4290 twips
        QList<QStringList> rows(13, QStringList(Columns));
        for (Label *label : m_s->findChildren<Label *>()) {
            const QRect g = label->geometry();
            if (g.top() < 152 || g.top() >= 360)
                continue;
            const int column = int(std::upper_bound(std::begin(rules), std::end(rules), g.left())
                                   - std::begin(rules));
            QString &cell = rows[(g.top() - 152) / 16][column];
            QVERIFY2(cell.isEmpty(), qPrintable(label->objectName()));
            cell = label->caption();
        }
        const auto table = core::table();
        for (size_t i = 0; i < table.size(); ++i) {
            const core::BandColour &c = table[i];
            const QStringList &r = rows[int(i)];
            const QString digit = QLatin1String(c.digitText());
            QCOMPARE(r[Swatch], QLatin1String(c.listName));
            QCOMPARE(r[Digit1].trimmed(), c.digit == 0 ? QString() : digit);
            QCOMPARE(r[Digit2].trimmed() + r[Digit3].trimmed(), digit + digit);
            QCOMPARE(r[Multiplier], c.multiplier ? u'x' + core::toText(*c.multiplier) : QString());
            QCOMPARE(r[Tolerance].section(u' ', 0, 0),
                     c.tolerance ? QLatin1String(c.tolerance->listText) : QString());
        }
    }

    void rulesShowThroughTheTextsAndStayPut()
    {
        // the rule at x 2985 runs through the third digit "0" of the black row
        QCOMPARE(m_s->grab().toImage().pixelColor(199, 164),
                 QApplication::palette().color(QPalette::WindowText));
        const auto places = [this] {
            QList<QRect> all;
            for (const QWidget *w : m_s->findChildren<QWidget *>())
                all << w->geometry();
            return all;
        };
        const QList<QRect> before = places();
        m_s->resize(600, 700);
        QCOMPARE(places(), before);
    }

private:
    Screen *m_s = nullptr;
};

OHMARA_WIDGET_TEST_MAIN(TestChart)
#include "tst_chart.moc"
