#include "colourcode/bandcolour.h"

#include <QTest>

using namespace colourcode;

class TestBandColour : public QObject
{
    Q_OBJECT
private slots:
    void lookupIsExact_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::newRow("red") << "red"
                             << "Red";
        QTest::newRow("no band") << "no band"
                                 << "No band";
        QTest::newRow("capital") << "Red"
                                 << "";
        QTest::newRow("upper") << "RED"
                               << "";
        QTest::newRow("trailing blank") << "red "
                                        << "";
        QTest::newRow("leading blank") << " red"
                                       << "";
        QTest::newRow("no blank") << "noband"
                                  << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("caption name") << "Gold"
                                      << "";
    }
    void lookupIsExact()
    {
        QFETCH(QString, text);
        QFETCH(QString, caption);
        const BandColour *c = findByListName(text);
        QCOMPARE(c ? QString::fromLatin1(c->captionName) : QString(), caption);
    }

    void facts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("digit");
        QTest::addColumn<double>("multiplier");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("fraction");
        QTest::addColumn<QString>("listText");
        // name, digit text, multiplier (0 = none), percent, fraction, list text
        QTest::newRow("black") << "black"
                               << "0" << 1.0 << ""
                               << ""
                               << "";
        QTest::newRow("brown") << "brown"
                               << "1" << 10.0 << "1"
                               << ".01"
                               << "1%";
        QTest::newRow("red") << "red"
                             << "2" << 100.0 << "2"
                             << ".02"
                             << "2%";
        QTest::newRow("orange") << "orange"
                                << "3" << 1000.0 << ""
                                << ""
                                << "";
        QTest::newRow("yellow") << "yellow"
                                << "4" << 10000.0 << ""
                                << ""
                                << "";
        QTest::newRow("green") << "green"
                               << "5" << 100000.0 << ""
                               << ""
                               << "";
        QTest::newRow("blue") << "blue"
                              << "6" << 1000000.0 << ""
                              << ""
                              << "";
        QTest::newRow("purple") << "purple"
                                << "7" << 0.0 << ""
                                << ""
                                << "";
        QTest::newRow("grey") << "grey"
                              << "8" << 0.0 << ""
                              << ""
                              << "";
        QTest::newRow("white") << "white"
                               << "9" << 0.0 << ""
                               << ""
                               << "";
        QTest::newRow("gold") << "gold"
                              << "" << 0.1 << "5"
                              << ".05"
                              << "5%";
        QTest::newRow("silver") << "silver"
                                << "" << 0.01 << "10"
                                << ".1"
                                << "10%";
        QTest::newRow("no band") << "no band"
                                 << "" << 0.0 << "20"
                                 << ".2"
                                 << "20%";
    }
    void facts()
    {
        QFETCH(QString, name);
        QFETCH(QString, digit);
        QFETCH(double, multiplier);
        QFETCH(QString, percent);
        QFETCH(QString, fraction);
        QFETCH(QString, listText);
        const BandColour *c = findByListName(name);
        QVERIFY(c);
        QCOMPARE(QString::fromLatin1(c->digitText()), digit);
        QCOMPARE(c->multiplier.value_or(0.0), multiplier);
        QCOMPARE(c->tolerance ? QString::fromLatin1(c->tolerance->percent) : QString(), percent);
        QCOMPARE(c->tolerance ? QString::fromLatin1(c->tolerance->fraction) : QString(), fraction);
        QCOMPARE(c->tolerance ? QString::fromLatin1(c->tolerance->listText) : QString(), listText);
    }

    void paints_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::addColumn<quint32>("body");
        QTest::addColumn<qint64>("paint"); // -1: never offered in that role
        const int d = int(Role::Digit), m = int(Role::Multiplier), t = int(Role::Tolerance);
        const quint32 four = 0xC0FFFF, five = 0xFF8080;
        QTest::newRow("red digit") << "red" << d << four << qint64(0x0100FF);
        QTest::newRow("red multiplier") << "red" << m << four << qint64(0x0000FF);
        QTest::newRow("red tolerance") << "red" << t << four << qint64(0x0000FF);
        QTest::newRow("brown digit") << "brown" << d << four << qint64(0x404080);
        QTest::newRow("orange digit") << "orange" << d << four << qint64(0x0180FF);
        QTest::newRow("yellow multiplier") << "yellow" << m << four << qint64(0x01FFFF);
        QTest::newRow("green digit") << "green" << d << four << qint64(0x01FF00);
        QTest::newRow("green multiplier") << "green" << m << four << qint64(0x01FF00);
        QTest::newRow("blue multiplier") << "blue" << m << four << qint64(0xFF0000);
        QTest::newRow("purple digit") << "purple" << d << four << qint64(0xFF00FF);
        QTest::newRow("purple multiplier") << "purple" << m << four << qint64(-1);
        QTest::newRow("grey digit") << "grey" << d << four << qint64(0x808080);
        QTest::newRow("white digit") << "white" << d << four << qint64(0xFFFFFF);
        QTest::newRow("gold multiplier") << "gold" << m << four << qint64(0x01C0C0);
        QTest::newRow("gold digit") << "gold" << d << four << qint64(-1);
        QTest::newRow("silver tolerance") << "silver" << t << four << qint64(0xB0B0B0);
        QTest::newRow("black tolerance") << "black" << t << four << qint64(-1);
        QTest::newRow("no band four") << "no band" << t << four << qint64(0xC0FFFF);
        QTest::newRow("no band five") << "no band" << t << five << qint64(0xFF8080);
        QTest::newRow("no band digit") << "no band" << d << four << qint64(-1);
    }
    void paints()
    {
        QFETCH(QString, name);
        QFETCH(int, role);
        QFETCH(quint32, body);
        QFETCH(qint64, paint);
        const auto p = findByListName(name)->paint(Role(role), body);
        QCOMPARE(p ? qint64(*p) : qint64(-1), paint);
    }

    void bodyColours()
    {
        QCOMPARE(kFourBandBody, 0xC0FFFFu);
        QCOMPARE(kFiveBandBody, 0xFF8080u);
    }

    void decoderLists()
    {
        auto join = [](ListItems items) {
            QStringList out;
            for (const char *i : items)
                out << QString::fromLatin1(i);
            return out.join(u'|');
        };
        QCOMPARE(join(firstDigitItems()), "brown|red|orange|yellow|green|blue|purple|grey|white");
        QCOMPARE(join(digitItems()), "black|brown|red|orange|yellow|green|blue|purple|grey|white");
        QCOMPARE(join(multiplierItems()), "silver|gold|black|brown|red|orange|yellow|green|blue");
        QCOMPARE(join(toleranceItems()), "brown|red|gold|silver|no band");
    }
};

QTEST_APPLESS_MAIN(TestBandColour)
#include "tst_bandcolour.moc"
