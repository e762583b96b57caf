// The screens at the desktop's pixel density (run at QT_SCALE_FACTOR 1 and 2): the same layout,
// the bands where they belong, bitmaps drawn from images of that density and not blurred.

#include "support/screentest.h"

#include <set>

using namespace screentest;

class TestHiDpi : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { startAtMenu(); }
    void cleanup() { unloadAll(); }

    void decoderAtScale()
    {
        Screen *s = open(ScreenId::FourBandDecoder);
        QVERIFY(QTest::qWaitForWindowExposed(s));
        choose(s, QStringLiteral("band1=red;band2=green;band3=blue;band4=gold"));
        const QImage shot = s->grab().toImage();
        QCOMPARE(shot.size(), QSize(546, 318) * s->devicePixelRatio());
        QStringList seen;
        for (int x : {157, 189, 220, 268})
            seen << QVariant(shot.pixelColor(QPoint(x, 137) * s->devicePixelRatio())).toString();
        QCOMPARE(seen.join(u' '), QStringLiteral("#ff0001 #00ff01 #0000ff #c0c001"));
    }

    void bitmapsAreSharp_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("image");
        QTest::addColumn<int>("colours");
        // clang-format off
        row("four-band end", int(ScreenId::FourBandDecoder), "Image1", 3);
        row("five-band end", int(ScreenId::FiveBandDecoder), "Image2", 3);
        row("encoder end", int(ScreenId::FourBandEncoder), "Image1", 3);
        row("photograph", int(ScreenId::Splash), "Image1", 0);
        // clang-format on
    }
    void bitmapsAreSharp()
    {
        QFETCH(int, screen);
        QFETCH(QString, image);
        QFETCH(int, colours);
        nav::show(ScreenId(screen));
        auto *w = nav::screen(ScreenId(screen))->control<Image>(qPrintable(image));
        QCOMPARE(w->pixmap().devicePixelRatio(), qApp->devicePixelRatio());
        QCOMPARE(w->size() * qApp->devicePixelRatio(), w->pixmap().size());
        const QImage shot = w->grab().toImage();
        std::set<QRgb> seen;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                seen.insert(shot.pixel(x, y));
        if (colours) // a drawing in three colours stays three colours: nothing smoothed
            QCOMPARE(int(seen.size()), colours);
    }
};

OHMARA_WIDGET_TEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
